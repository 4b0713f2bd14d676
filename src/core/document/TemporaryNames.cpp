#include "TemporaryNames.h"

#include <algorithm>

namespace quolan {

namespace {
constexpr std::string_view kMark = ".quolan-";
constexpr std::size_t kNameMax = 255;

bool isTailCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}
} // namespace

std::string temporaryPrefix(std::string_view fileName) {
    const std::size_t room = kNameMax - 1 - kMark.size() - kTemporaryTailLength;
    std::string prefix = ".";
    prefix += fileName.substr(0, room);
    prefix += kMark;
    return prefix;
}

bool isTemporaryOf(std::string_view entry, std::string_view fileName) {
    const std::string prefix = temporaryPrefix(fileName);
    if (entry.size() != prefix.size() + kTemporaryTailLength || !entry.starts_with(prefix))
        return false;
    const std::string_view tail = entry.substr(prefix.size());
    return std::all_of(tail.begin(), tail.end(), isTailCharacter);
}

} // namespace quolan
