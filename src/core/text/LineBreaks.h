#pragma once

#include <string>
#include <string_view>

namespace quolan {

// Turns every lone CR and every lone LF into a CR LF pair; existing pairs stay.
std::string toCrLf(std::string_view text);

// True when the text holds a CR or an LF that is not part of a CR LF pair.
bool hasLoneLineBreak(std::string_view text);

// A place where word wrapping may break a line.
inline bool isWrapBreak(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// True when some stretch of more than `limit` bytes holds no blank, tab or
// line break: word wrapping finds no place to break there.
bool hasUnbrokenRunLongerThan(std::string_view text, std::size_t limit);

} // namespace quolan
