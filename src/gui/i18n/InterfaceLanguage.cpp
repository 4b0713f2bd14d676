#include "InterfaceLanguage.h"

#include "core/settings/LanguageSetting.h"
#include "gui/i18n/LanguageApplier.h"
#include "gui/i18n/QtTranslation.h"
#include "gui/ui/QtText.h"

#include <QPointer>
#include <QWidget>
#include <QtGlobal>

namespace quolan {

namespace {
QPointer<InterfaceLanguage>& programLanguage() {
    static QPointer<InterfaceLanguage> language;
    return language;
}
} // namespace

InterfaceLanguage::InterfaceLanguage(QWidget& mainWindow, IniStore& settings)
    : QObject(&mainWindow), mainWindow_(mainWindow), settings_(settings) {
    setObjectName(QStringLiteral("InterfaceLanguage"));
}

bool InterfaceLanguage::run(Language language) {
    LanguageApplier applier([this](std::string_view window) -> QWidget* {
        return window == kMainWindowName ? &mainWindow_ : programWindow(window);
    });
    if (!runLanguageCommand(language, settings_, applier))
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
    const InterfaceLanguage* language = programLanguage();
    return language ? language->shown() : std::nullopt;
}

QString shownText(const BilingualText& text) {
    return ui(inLanguage(text, shownLanguage()));
}

void followShownLanguage(InterfaceLanguage& language) {
    programLanguage() = &language;
}

} // namespace quolan
