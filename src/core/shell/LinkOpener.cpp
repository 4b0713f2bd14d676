#include "LinkOpener.h"

#include <algorithm>

namespace quolan {

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7f;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b);
           });
}

// What follows "scheme://": a host first, not a path or nothing.
bool hasHost(std::string_view rest) {
    return !rest.empty() && rest.front() != '/' && rest.front() != '?' && rest.front() != '#';
}
} // namespace

bool isOpenableLink(std::string_view address) {
    address = trimmed(address);
    if (std::any_of(address.begin(), address.end(), isControl))
        return false;
    for (const std::string_view scheme : {"http://", "https://"})
        if (startsWithNoCase(address, scheme))
            return hasHost(address.substr(scheme.size()));
    return false;
}

bool LinkOpener::open(std::string_view address) const {
    return isOpenableLink(address) && hand(trimmed(address));
}

} // namespace quolan
