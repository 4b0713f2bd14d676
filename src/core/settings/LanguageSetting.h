#pragma once

#include "core/i18n/LanguageCommands.h"
#include "core/settings/IniStore.h"

#include <string_view>

namespace quolan {

// The stored value of a language, "English" or "Russian".
std::string_view settingValue(Language language);

// The English and the Russian command: store the choice, then set every row
// of every table in order. A refused write (already reported as "Unable to
// write to ...") stops the command before any text changes; false then.
bool runLanguageCommand(Language language, IniStore& settings, LanguageTextSink& sink);

} // namespace quolan
