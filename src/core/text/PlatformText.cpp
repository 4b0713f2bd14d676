#include "PlatformText.h"

#include "core/text/Windows1251.h"

#include <algorithm>

namespace quolan {

namespace {
bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}
} // namespace

void appendPostCharacter(std::string& out, char32_t codePoint) {
    if (const auto byte = cp1251::encode(codePoint)) {
        out += static_cast<char>(*byte);
        return;
    }
    out += "&#";
    out += std::to_string(static_cast<unsigned long>(codePoint));
    out += ';';
}

std::size_t toDisplay(std::string_view text, char16_t* out) {
    char16_t* const begin = out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                *out++ = kDisplayLineBreak;
                ++i;
            } else {
                *out++ = kLoneCrGlyph;
            }
        } else if (byte == '\n') {
            *out++ = kLoneLfGlyph;
        } else {
            *out++ = cp1251::decode(byte);
        }
    }
    return static_cast<std::size_t>(out - begin);
}

std::u16string toDisplay(std::string_view text) {
    std::u16string out(text.size(), u'\0');
    out.resize(toDisplay(text, out.data()));
    return out;
}

std::string fromPlatform(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            continue;
        }
        if (c == u'\n' || c == kDisplayLineBreak || c == u'\u2028') {
            out += "\r\n";
            continue;
        }
        char32_t codePoint = c;
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            codePoint = 0x10000 + ((char32_t{c} - 0xD800) << 10) + (char32_t{text[i + 1]} - 0xDC00);
            ++i;
        } else if (isHighSurrogate(c) || isLowSurrogate(c)) {
            codePoint = 0xFFFD; // half a pair names no character
        }
        appendPostCharacter(out, codePoint);
    }
    return out;
}

std::u16string toPlatform(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\r') {
            out += u'\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (byte == '\n') {
            out += u'\n';
        } else {
            out += cp1251::decode(byte);
        }
    }
    return out;
}

std::optional<std::pair<std::size_t, std::size_t>> referenceAround(std::u16string_view text,
                                                                   std::size_t offset) {
    // "&#1114111;", the longest, has seven digits.
    constexpr std::size_t kLongest = 10;
    offset = std::min(offset, text.size());
    const std::size_t earliest = offset > kLongest ? offset - kLongest : 0;
    for (std::size_t amp = offset; amp-- > earliest;) {
        if (text[amp] != u'&')
            continue;
        std::size_t end = amp + 1;
        if (end >= text.size() || text[end] != u'#')
            return std::nullopt;
        ++end;
        const std::size_t digits = end;
        while (end < text.size() && end - digits < 8 && text[end] >= u'0' && text[end] <= u'9')
            ++end;
        if (end == digits || end >= text.size() || text[end] != u';' || end < offset)
            return std::nullopt;
        return std::pair{amp, end + 1};
    }
    return std::nullopt;
}

} // namespace quolan
