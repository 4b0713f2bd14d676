#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

namespace quolan::spell {

// Which dictionary a word is checked against: the script of its letters.
enum class Script : std::uint8_t { Russian, English };

// A word of prose in the post: [position, position + length) of the text.
struct Word {
    std::size_t position;
    std::size_t length;
    Script script;
};

// Where a stretch of text begins or ends: in prose, or inside a pair of tags
// whose content is no prose ([code], [php], and the address of a bare [url],
// [img] or [email]) until its closing tag.
enum class Region : std::uint8_t { Prose, Code, Php, Url, Image, Email };
inline constexpr int kRegionCount = 6;

// Words longer than this are no words of a language.
inline constexpr std::size_t kLongestWord = 64;

// Calls `found` for each word of prose in `text` (Windows-1251), which
// begins in `region`; returns the region its end is in. Skipped: tags and
// their parameters, addresses, smiley codes, references "&#N;", numbers and
// words holding a digit or a reference.
Region splitWords(std::string_view text, Region region,
                  const std::function<void(const Word&)>& found);

} // namespace quolan::spell
