#pragma once

#include <string>
#include <string_view>

namespace quolan {

// Turns every lone CR and every lone LF into a CR LF pair; existing pairs stay.
std::string toCrLf(std::string_view text);

} // namespace quolan
