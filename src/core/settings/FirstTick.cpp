#include "FirstTick.h"

#include "core/settings/SettingsKeys.h"

#include <utility>

namespace quolan {

namespace {
constexpr std::pair<std::string_view, cmd::Id> kStoredLanguages[] = {
    {language::Russian, cmd::LanguageRussian},
    {language::English, cmd::LanguageEnglish},
};

std::string storedLanguage(const IniStore& settings) {
    return settings.readString(setting::Language.section, setting::Language.key);
}
} // namespace

void runFirstTick(const IniStore& settings, const FirstTickSteps& steps) {
    if (steps.hideTaskbarButton)
        steps.hideTaskbarButton();
    if (storedLanguage(settings) == language::NotChosen && steps.showLanguageChooser)
        steps.showLanguageChooser();
    for (const auto& [value, command] : kStoredLanguages)
        if (storedLanguage(settings) == value && steps.runCommand)
            steps.runCommand(command);

    std::string fontName = settings.readString(setting::FontName.section, setting::FontName.key);
    if (fontName.size() > kFontNameLimit)
        fontName.resize(kFontNameLimit);
    if (!fontName.empty() && steps.setEditorFontName)
        steps.setEditorFontName(fontName);
}

} // namespace quolan
