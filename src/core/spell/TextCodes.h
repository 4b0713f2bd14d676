#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quolan::spell {

// The encodings a dictionary may declare (its "SET" line) and the post's
// Windows-1251, for the words that pass between them.

std::string cp1251ToUtf8(std::string_view text);
// Nothing when the text is no UTF-8 or holds a character the code page lacks.
std::optional<std::string> utf8ToCp1251(std::string_view text);

// A post's word in the dictionary's encoding and back; nothing when the
// encoding is unknown to us or cannot hold the word.
std::optional<std::string> toDictionary(std::string_view word, std::string_view encoding);
std::optional<std::string> fromDictionary(std::string_view word, std::string_view encoding);

} // namespace quolan::spell
