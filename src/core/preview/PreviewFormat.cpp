#include "PreviewFormat.h"

#include "core/text/Windows1251.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quolan::preview {

namespace {
// Sizes 1 to 7 as browsers show them, against the normal size 3.
constexpr std::array<double, 7> kSizeRatios = {3.0 / 5, 8.0 / 9, 1.0, 6.0 / 5, 3.0 / 2, 2.0, 3.0};

void appendEscaped(std::u16string& out, char16_t c) {
    switch (c) {
    case u'&':
        out += u"&amp;";
        break;
    case u'<':
        out += u"&lt;";
        break;
    case u'>':
        out += u"&gt;";
        break;
    case u'"':
        out += u"&quot;";
        break;
    default:
        out += c;
    }
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}
} // namespace

void appendNumber(std::u16string& out, std::size_t n) {
    const std::string digits = std::to_string(n);
    out.append(digits.begin(), digits.end());
}

void appendEscaped(std::u16string& out, std::u16string_view text) {
    for (const char16_t c : text)
        appendEscaped(out, c);
}

void appendPostText(std::u16string& out, std::string_view bytes, bool keepBlanks) {
    for (const char b : bytes) {
        if (keepBlanks && b == ' ')
            out += u"&nbsp;";
        else if (keepBlanks && b == '\t')
            out += u"&nbsp;&nbsp;&nbsp;&nbsp;";
        else
            appendEscaped(out, cp1251::decode(static_cast<unsigned char>(b)));
    }
}

bool safeColour(std::string_view colour) {
    if (colour.empty() || colour.size() > 24)
        return false;
    for (const char c : colour)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
              c == '#'))
            return false;
    return true;
}

bool safeFont(std::string_view font) {
    return !font.empty() && font.size() <= 64 &&
           font.find_first_of(";:{}<>&\\\"'\r\n") == std::string_view::npos;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

int sizeInPixels(std::string_view parameter, int base) {
    parameter = trimmed(parameter);
    int sign = 0;
    if (!parameter.empty() && (parameter.front() == '+' || parameter.front() == '-')) {
        sign = parameter.front() == '+' ? 1 : -1;
        parameter.remove_prefix(1);
    }
    if (parameter.empty())
        return 0;
    long value = 0;
    for (const char c : parameter) {
        if (c < '0' || c > '9')
            return 0;
        value = std::min(value * 10 + (c - '0'), 1000L);
    }
    const long size = std::clamp(sign == 0 ? value : 3 + sign * value, 1L, 7L);
    return static_cast<int>(std::lround(base * kSizeRatios[static_cast<std::size_t>(size - 1)]));
}

std::string linkAddress(std::string_view address, bool mail) {
    address = trimmed(address);
    if (address.empty() || address.find_first_of("\r\n\t\"<>") != std::string_view::npos)
        return {};
    const std::size_t colon = address.find(':');
    std::string scheme;
    if (colon != std::string_view::npos && colon > 0) {
        scheme = lower(address.substr(0, colon));
        if (scheme.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos)
            scheme.clear();
    }
    if (mail)
        return scheme.empty() ? "mailto:" + std::string(address)
                              : (scheme == "mailto" ? std::string(address) : std::string());
    if (scheme.empty())
        return "http://" + std::string(address);
    if (scheme == "http" || scheme == "https" || scheme == "ftp" || scheme == "mailto")
        return std::string(address);
    return {};
}

std::u16string utf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
        char32_t c = extra == 0 ? b : b & (0x3F >> extra);
        for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < utf8.size(); ++k)
            c = (c << 6) |
                (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
        i += static_cast<std::size_t>(extra) + 1;
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::u16string decodePost(std::string_view post) {
    std::u16string out;
    out.reserve(post.size());
    for (const char b : post)
        out += cp1251::decode(static_cast<unsigned char>(b));
    return out;
}

} // namespace quolan::preview
