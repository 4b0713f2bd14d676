#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quolan {

// The program's failure messages, as the user reads them.
namespace msg {
inline constexpr std::string_view TextExceedsCapacity = "Text exceeds memo capacity";
inline constexpr std::string_view CannotOpenClipboard = "Cannot open clipboard";
} // namespace msg

// How a command tells the user that it failed; the window shows a message box.
using ReportError = std::function<void(std::string_view message)>;

} // namespace quolan
