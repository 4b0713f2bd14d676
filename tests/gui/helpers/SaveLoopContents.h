#pragma once

#include <string>

// The two contents SaveLoop alternates, for it and for the test that kills it.
namespace quolan::save_loop {

// The post's: a short one and one long enough that a kill may land inside
// its write.
inline std::string post(bool second) {
    return second ? std::string(std::size_t{1} << 18, 'b') : std::string("the first post\r\n");
}

// The value SaveLoop writes to "Test"/"Value" of each settings file.
inline std::string value(bool second) {
    return second ? std::string(1500, 'v') : std::string("short");
}

} // namespace quolan::save_loop
