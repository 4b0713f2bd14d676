#pragma once

#include "core/i18n/LanguageTable.h"

#include <QObject>
#include <QString>

#include <optional>

class QWidget;

namespace quolan {

class IniStore;

// The interface language of the main window, run by the items "English"
// (`N36`) and "Русский" (`N35`): each stores its choice in the settings file
// and relabels every window in the language table's order. Nothing but the
// tabled texts changes.
class InterfaceLanguage final : public QObject {
    Q_OBJECT

public:
    InterfaceLanguage(QWidget& mainWindow, IniStore& settings);

    // False when the settings file refused the choice: no text changed.
    bool run(Language language);

    // The language a command last set; none while the interface is as built.
    std::optional<Language> shown() const { return shown_; }

signals:
    void languageShown(quolan::Language language);

private:
    QWidget& mainWindow_;
    IniStore& settings_;
    std::optional<Language> shown_;
};

// The language the program's interface shows now (Russian as built), which
// texts made outside the language table (questions, messages) follow.
std::optional<Language> shownLanguage();
// `text` in that language, for a window.
QString shownText(const BilingualText& text);
// Makes `language`, the program's main window's, the one shownLanguage()
// reports for as long as it lives.
void followShownLanguage(InterfaceLanguage& language);

} // namespace quolan
