#pragma once

#include "core/i18n/LanguageTable.h"

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

// Sets the texts of every row of every table in order, as the English and
// the Russian command do after storing the choice.
void applyLanguage(Language language, LanguageTextSink& sink);

} // namespace quolan
