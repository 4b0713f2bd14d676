#pragma once

#include "core/i18n/LanguageTable.h"
#include "core/settings/IniStore.h"
#include "gui/ui/MenuBuilder.h"

#include <QWidget>

class QToolButton;

namespace quolan {

// The first-run language chooser `LanFrm`, shown when the stored language is
// "None". The main window stays disabled until a language is chosen; the
// chooser has no close box and only its buttons end it.
class TLanFrm final : public QWidget {
    Q_OBJECT

public:
    // `mainWindow` is disabled while the chooser is shown; the choice is
    // stored in `settings` and applied by running its language command.
    TLanFrm(QWidget& mainWindow, IniStore& settings, RunCommand run);

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

    QWidget& main_;
    IniStore& settings_;
    RunCommand run_;
    bool finishing_ = false;
};

} // namespace quolan
