#pragma once

#include "core/i18n/LanguageTable.h"

#include <QWidget>

class QToolButton;

namespace quolan {

class TMainForm;

// The first-run language chooser `LanFrm`, shown when the stored language is
// "None". The main window stays disabled until a language is chosen; the
// chooser has no close box and only its buttons end it.
class TLanFrm final : public QWidget {
    Q_OBJECT

public:
    explicit TLanFrm(TMainForm& mainForm);

    // Shows the chooser over the disabled main window; returns at once.
    void ask();

    void SpeedButton1Click(); // "English/Английский"
    void SpeedButton2Click(); // "Русский/Russian"
    void SpeedButton3Click(); // "Выход": the program ends, nothing is stored

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void choose(Language language);
    void finish();

    TMainForm& main_;
    bool finishing_ = false;
};

} // namespace quolan
