#pragma once

#include <optional>
#include <string_view>

namespace quolan {

// The two interface languages. As built, the interface is Russian.
enum class Language { Russian, English };

// One text the user reads, in both languages, UTF-8.
struct BilingualText {
    std::string_view russian;
    std::string_view english;

    constexpr std::string_view in(Language language) const {
        return language == Language::English ? english : russian;
    }
};

// A text of a subsystem that is no control's caption (a message, a title of a
// dialog it opens): the one to show now, Russian until a language is shown.
constexpr std::string_view inLanguage(const BilingualText& text, std::optional<Language> shown) {
    return text.in(shown.value_or(Language::Russian));
}

} // namespace quolan
