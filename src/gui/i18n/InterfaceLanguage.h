#pragma once

#include "core/i18n/LanguageTable.h"

#include <QObject>

#include <optional>

namespace quolan {

class TMainForm;

// The two language commands of the main window, run by the items "English"
// (`N36`) and "Русский" (`N35`): each stores its choice in the settings file
// and relabels every window in the language table's order. Nothing but the
// tabled texts changes.
class InterfaceLanguage final : public QObject {
    Q_OBJECT

public:
    explicit InterfaceLanguage(TMainForm& form);

    // Registers the two commands with the main window.
    void registerCommands();

    // False when the settings file refused the choice: no text changed.
    bool run(Language language);

    // The language a command last set; none while the interface is as built.
    std::optional<Language> shown() const { return shown_; }

signals:
    void languageShown(quolan::Language language);

private:
    TMainForm& form_;
    std::optional<Language> shown_;
};

// The language the program's interface shows now (Russian as built).
std::optional<Language> shownLanguage();

} // namespace quolan
