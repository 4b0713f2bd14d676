#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quolan {

// What the player looks for, in post bytes (Windows-1251).
struct SearchQuery {
    std::string pattern;
    bool matchCase = false;
    // A match may not be part of a longer word: no letter, digit or "_"
    // (Latin or Cyrillic) may touch a word character at either of its ends.
    bool wholeWords = false;
};

// A query made ready for searching Windows-1251 text. Without "match case"
// upper- and lower-case letters are the same, Cyrillic ones (Ё and ё
// included) as well as Latin ones. Searching skips ahead like Horspool's
// method, so that a "find next" over megabytes stays well within a keystroke.
class TextSearch {
public:
    explicit TextSearch(SearchQuery query);

    const SearchQuery& query() const { return query_; }
    std::size_t patternLength() const { return pattern_.size(); }

    // Whether a match starts at `position`.
    bool matchesAt(std::string_view text, std::size_t position) const;
    // The first match starting at or after `from` and ending at or before `until`.
    std::optional<std::size_t> first(std::string_view text, std::size_t from,
                                     std::size_t until) const;
    // The last match ending at or before `until` and starting at or after `from`.
    std::optional<std::size_t> last(std::string_view text, std::size_t from,
                                    std::size_t until) const;

    // The matches the text holds taken one after another from its start, as
    // "replace all" replaces them; `ordinal` is the 1-based place of the one
    // starting at `current` among them, 0 when none does.
    struct Count {
        std::size_t total = 0;
        std::size_t ordinal = 0;
    };
    Count count(std::string_view text, std::size_t current) const;

    // The text with every match (as count() takes them) replaced; `position`
    // is carried along to the same place in the result (to the start of the
    // replacement when it stood inside a match).
    struct Replaced {
        std::string text;
        std::size_t replacements = 0;
        std::size_t position = 0;
    };
    Replaced replaceAll(std::string_view text, std::string_view replacement,
                        std::size_t position) const;

private:
    bool boundedAt(std::string_view text, std::size_t position) const;
    bool sameAt(std::string_view text, std::size_t position) const;

    SearchQuery query_;
    const std::array<unsigned char, 256>* fold_;
    std::string pattern_; // folded
    std::array<std::size_t, 256> skipForward_{};
    std::array<std::size_t, 256> skipBackward_{};
};

// Letters, digits and "_", Latin and Cyrillic.
bool isWordByte(unsigned char byte);

} // namespace quolan
