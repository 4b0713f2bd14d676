#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quolan {

// Our own temporary files beside a file being replaced are named
// "." + name + ".quolan-" + six letters or digits: hidden, and unlike any
// name a user gives, so that what a killed save leaves behind can be told
// apart from the user's files and removed by the next save.
inline constexpr std::size_t kTemporaryTailLength = 6;

// The name without its tail; a long name is cut so that the whole stays
// within the 255 bytes a file name may take.
std::string temporaryPrefix(std::string_view fileName);

// Whether `entry` of the same folder is one of our temporary files of
// `fileName`.
bool isTemporaryOf(std::string_view entry, std::string_view fileName);

} // namespace quolan
