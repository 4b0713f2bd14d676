#include "LineBreaks.h"

namespace quolan {

std::string toCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

bool hasLoneLineBreak(std::string_view text) {
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        const char c = text[i];
        if (c == '\n')
            return true; // an LF not taken by the CR before it
        if (c == '\r') {
            if (i + 1 == size || text[i + 1] != '\n')
                return true;
            ++i;
        }
    }
    return false;
}

bool hasUnbrokenRunLongerThan(std::string_view text, std::size_t limit) {
    // Look at windows of limit + 1 bytes from their far end: a break found
    // there rules out every run starting at or before it, so ordinary text
    // is passed over in steps of nearly `limit` bytes.
    std::size_t start = 0;
    while (start + limit < text.size()) {
        std::size_t at = start + limit;
        while (!isWrapBreak(text[at])) {
            if (at == start)
                return true;
            --at;
        }
        start = at + 1;
    }
    return false;
}

} // namespace quolan
