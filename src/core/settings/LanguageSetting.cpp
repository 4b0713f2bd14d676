#include "LanguageSetting.h"

#include "core/settings/SettingsKeys.h"

namespace quolan {

std::string_view settingValue(Language language) {
    return language == Language::English ? language::English : language::Russian;
}

bool runLanguageCommand(Language language, IniStore& settings, LanguageTextSink& sink) {
    if (!settings.writeString(setting::Language.section, setting::Language.key,
                              settingValue(language)))
        return false;
    applyLanguage(language, sink);
    return true;
}

} // namespace quolan
