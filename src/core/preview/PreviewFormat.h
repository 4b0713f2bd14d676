#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quolan::preview {

// Small pieces of the preview's HTML and of reading tag parameters.

// [size=N] in pixels for a normal size of `base` pixels, or 0 when N is no
// size at all. N outside 1..7 is taken as the nearest of them, and "+N" or
// "-N" is relative to 3, as browsers take them.
int sizeInPixels(std::string_view parameter, int base);

// The address a link opens, or "" when it would not be a link: only http,
// https, ftp and mailto are; an address without a scheme is taken as http.
std::string linkAddress(std::string_view address, bool mail);

// A colour name or #rrggbb, a font family: safe inside a style attribute.
bool safeColour(std::string_view colour);
bool safeFont(std::string_view font);

// Blanks and tabs off both ends.
std::string_view trimmed(std::string_view text);

void appendNumber(std::u16string& out, std::size_t n);
void appendEscaped(std::u16string& out, std::u16string_view text);
// Post bytes as HTML text; in fixed-pitch text blanks keep their width.
void appendPostText(std::u16string& out, std::string_view bytes, bool keepBlanks);

// Our UTF-8 texts, and post text (Windows-1251), as UTF-16.
std::u16string utf16(std::string_view utf8);
std::u16string decodePost(std::string_view post);

} // namespace quolan::preview
