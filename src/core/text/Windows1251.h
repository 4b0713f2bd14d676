#pragma once

#include <optional>

namespace quolan::cp1251 {

// The Windows-1251 code page, our own table: every byte has a character, the
// unassigned 0x98 standing for U+0098, so any file survives a round trip.
char16_t decode(unsigned char byte);

// The byte for a character, or nothing when the code page cannot hold it.
std::optional<unsigned char> encode(char32_t character);

} // namespace quolan::cp1251
