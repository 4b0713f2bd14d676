#pragma once

#include <string>
#include <string_view>

namespace quolan {

// Turns every lone CR and every lone LF into a CR LF pair; existing pairs stay.
std::string toCrLf(std::string_view text);

// True when the text holds a CR or an LF that is not part of a CR LF pair.
bool hasLoneLineBreak(std::string_view text);

// The longest stretch without a blank, tab or line break: where word wrapping
// finds no place to break.
std::size_t longestUnbrokenRun(std::string_view text);

} // namespace quolan
