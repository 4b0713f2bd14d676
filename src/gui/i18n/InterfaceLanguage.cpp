#include "InterfaceLanguage.h"

#include "core/settings/LanguageSetting.h"
#include "core/ui/CommandIds.h"
#include "gui/app/Windows.h"
#include "gui/editor/TMainForm.h"
#include "gui/i18n/LanguageApplier.h"
#include "gui/i18n/QtTranslation.h"
#include "gui/shell/MainFormFiles.h"
#include "gui/ui/QtText.h"

#include <QtGlobal>

namespace quolan {

InterfaceLanguage::InterfaceLanguage(TMainForm& form) : QObject(&form), form_(form) {
    setObjectName(QStringLiteral("InterfaceLanguage"));
}

void InterfaceLanguage::registerCommands() {
    form_.commands().add(cmd::LanguageEnglish, [this] { run(Language::English); });
    form_.commands().add(cmd::LanguageRussian, [this] { run(Language::Russian); });
}

bool InterfaceLanguage::run(Language language) {
    LanguageApplier applier([this](std::string_view window) -> QWidget* {
        return window == kMainWindowName ? &form_ : programWindow(window);
    });
    if (!runLanguageCommand(language, form_.files().settings(), applier))
        return false;
    // A renamed or missing control must not pass unnoticed.
    for (const QString& fault : applier.faults())
        qWarning("language table: %s", qUtf8Printable(fault));
    useQtTranslation(language);
    shown_ = language;
    emit languageShown(language);
    return true;
}

std::optional<Language> shownLanguage() {
    return MainForm ? MainForm->language().shown() : std::nullopt;
}

} // namespace quolan
