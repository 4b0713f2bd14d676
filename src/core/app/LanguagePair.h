#pragma once

#include <string_view>

namespace quolan {

enum class TextLanguage { English, Russian };

// One text the user reads, in both interface languages.
struct LanguagePair {
    std::string_view russian;
    std::string_view english;
    constexpr std::string_view in(TextLanguage language) const {
        return language == TextLanguage::Russian ? russian : english;
    }
};

} // namespace quolan
