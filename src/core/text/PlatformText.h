#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace quolan {

// Where the Windows-1251 post meets the Unicode platform (widgets, keyboard,
// clipboard, dialog fields). Nothing else converts text.

// U+2029 separates lines in a displayed document.
inline constexpr char16_t kDisplayLineBreak = u'\u2029';
// Stand-ins shown for a CR or an LF that is not part of a CR LF pair, so that
// every displayed character stays one character of the post.
inline constexpr char16_t kLoneCrGlyph = u'\u240D';
inline constexpr char16_t kLoneLfGlyph = u'\u240A';

// Post text -> displayed document text.
std::u16string toDisplay(std::string_view text);
// The same into `out`, which holds at least text.size() characters; returns
// how many were written.
std::size_t toDisplay(std::string_view text, char16_t* out);

// Platform text -> post text. Any line break becomes CR LF; a character the
// code page cannot hold becomes the numeric reference "&#N;" that the forum's
// web form would send for it, so nothing typed or pasted is lost.
std::string fromPlatform(std::u16string_view text);

// One character into post text: its code page byte, or the reference "&#N;".
void appendPostCharacter(std::string& out, char32_t codePoint);

// The reference "&#N;" that `offset` falls strictly inside (after its "&",
// up to its ";"), as the offsets [first, second) of the text.
std::optional<std::pair<std::size_t, std::size_t>> referenceAround(std::u16string_view text,
                                                                   std::size_t offset);

// Post text -> text for other programs (the clipboard): line breaks as "\n".
std::u16string toPlatform(std::string_view text);

} // namespace quolan
