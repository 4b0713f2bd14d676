#pragma once

#include "core/i18n/LanguageTable.h"
#include "core/settings/IniStore.h"

#include <string_view>

namespace quolan {

// Where the commands put the texts: the windows, or a test's record.
class LanguageTextSink {
public:
    virtual ~LanguageTextSink() = default;
    virtual void setText(const LanguageRow& row, std::string_view text) = 0;
    // The element takes the caption `row.copyOf` holds now.
    virtual void copyCaption(const LanguageRow& row) = 0;
};

// The stored value of a language, "English" or "Russian".
std::string_view settingValue(Language language);

// The English and the Russian command: store the choice, then set every row
// of every table in order. A refused write (already reported as "Unable to
// write to ...") stops the command before any text changes; false then.
bool runLanguageCommand(Language language, IniStore& settings, LanguageTextSink& sink);

// Sets the texts only, as the command does after storing the choice.
void applyLanguage(Language language, LanguageTextSink& sink);

} // namespace quolan
