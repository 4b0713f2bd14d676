#include "WordSplitter.h"

#include "core/tags/SmileyTable.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace quolan::spell {

namespace {

bool isLatin(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Every Cyrillic letter of the code page, Ё, Ukrainian and Serbian ones too,
// so that no word is cut in two at one of them.
bool isCyrillic(unsigned char c) {
    if (c >= 0xC0)
        return true;
    switch (c) {
    case 0x80:
    case 0x81:
    case 0x83:
    case 0x8A:
    case 0x8C:
    case 0x8D:
    case 0x8E:
    case 0x8F:
    case 0x90:
    case 0x9A:
    case 0x9C:
    case 0x9D:
    case 0x9E:
    case 0x9F:
    case 0xA1:
    case 0xA2:
    case 0xA3:
    case 0xA5:
    case 0xA8:
    case 0xAA:
    case 0xAF:
    case 0xB2:
    case 0xB3:
    case 0xB4:
    case 0xB8:
    case 0xBA:
    case 0xBC:
    case 0xBD:
    case 0xBE:
    case 0xBF:
        return true;
    default:
        return false;
    }
}

bool isLetter(unsigned char c) {
    return isLatin(c) || isCyrillic(c);
}

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// Characters joining two letters into one word: "don't", "кто-то".
bool isJoiner(unsigned char c) {
    return c == '\'' || c == '-' || c == 0x92; // 0x92: right single quotation mark
}

bool isBlank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0xA0;
}

unsigned char lower(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
    if (text.size() - at < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lower(static_cast<unsigned char>(text[at + i])) !=
            static_cast<unsigned char>(prefix[i]))
            return false;
    return true;
}

// Tags of the forum, lower case. The first five open a region of no prose.
constexpr std::array<std::string_view, kRegionCount> kRegionTags = {"",    "code", "php",
                                                                    "url", "img",  "email"};
constexpr std::string_view kOtherTags[] = {
    "b",      "i",     "u",      "s",         "color",   "size",  "font", "quote",
    "center", "right", "left",   "ooc",       "sa",      "focus", "list", "indent",
    "sub",    "sup",   "strike", "highlight", "noparse", "html",  "*"};

bool isTagName(std::string_view name) {
    return std::find(kRegionTags.begin() + 1, kRegionTags.end(), name) != kRegionTags.end() ||
           std::find(std::begin(kOtherTags), std::end(kOtherTags), name) != std::end(kOtherTags);
}

Region regionOpenedBy(std::string_view name) {
    for (int region = 1; region < kRegionCount; ++region)
        if (kRegionTags[static_cast<std::size_t>(region)] == name)
            return static_cast<Region>(region);
    return Region::Prose;
}

struct Tag {
    std::size_t end;
    Region opens; // Prose unless a bare opening tag of a region
};

// The tag "[name]", "[/name]" or "[name=parameter]" starting at `at`.
std::optional<Tag> tagAt(std::string_view text, std::size_t at) {
    constexpr std::size_t kLongestName = 10;
    std::size_t i = at + 1;
    const bool closing = i < text.size() && text[i] == '/';
    if (closing)
        ++i;
    std::string name;
    while (i < text.size() && name.size() <= kLongestName &&
           (isLatin(static_cast<unsigned char>(text[i])) || text[i] == '*'))
        name += static_cast<char>(lower(static_cast<unsigned char>(text[i++])));
    if (i >= text.size() || !isTagName(name))
        return std::nullopt;
    if (text[i] == ']')
        return Tag{i + 1, closing ? Region::Prose : regionOpenedBy(name)};
    if (text[i] != '=' || closing)
        return std::nullopt;
    // A parameter runs to the bracket, never past the end of its line.
    while (i < text.size() && text[i] != ']' && text[i] != '\r' && text[i] != '\n')
        ++i;
    return Tag{i < text.size() && text[i] == ']' ? i + 1 : i, Region::Prose};
}

// The end of the closing tag of `region` at or after `from`, or npos.
std::size_t endOfRegion(std::string_view text, std::size_t from, Region region) {
    const std::string_view name = kRegionTags[static_cast<std::size_t>(region)];
    for (std::size_t at = text.find('[', from); at != std::string_view::npos;
         at = text.find('[', at + 1)) {
        if (startsWithNoCase(text, at + 1, "/") && startsWithNoCase(text, at + 2, name) &&
            at + 2 + name.size() < text.size() && text[at + 2 + name.size()] == ']')
            return at + 3 + name.size();
    }
    return std::string_view::npos;
}

// The end of the reference "&#N;" starting at `at`, or `at`.
std::size_t referenceEnd(std::string_view text, std::size_t at) {
    if (!startsWithNoCase(text, at, "&#"))
        return at;
    std::size_t i = at + 2;
    while (i < text.size() && isDigit(static_cast<unsigned char>(text[i])))
        ++i;
    return (i > at + 2 && i < text.size() && text[i] == ';') ? i + 1 : at;
}

// The longest smiley code starting at `at`, or `at`.
std::size_t smileyEnd(std::string_view text, std::size_t at) {
    std::size_t end = at;
    for (const Smiley& smiley : smileyTable()) {
        const std::string_view code = smiley.inserted;
        if (at + code.size() > end && text.substr(at, code.size()) == code)
            end = at + code.size();
    }
    return end;
}

bool endsRun(unsigned char c) {
    return isBlank(c) || c == '[' || c == ']' || c == '(' || c == ')' || c == '<' || c == '>' ||
           c == '"';
}

// The end of the address (a web address or an e-mail address) that the run
// of text starting at `at` is, or `at`.
std::size_t addressEnd(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && !endsRun(static_cast<unsigned char>(text[end])))
        ++end;
    const std::string_view run = text.substr(at, end - at);
    const std::size_t atSign = run.find('@');
    const bool mail = atSign != std::string_view::npos && atSign > 0 && atSign + 1 < run.size();
    if (mail || run.find("://") != std::string_view::npos || startsWithNoCase(text, at, "www."))
        return end;
    return at;
}

} // namespace

Region splitWords(std::string_view text, Region region,
                  const std::function<void(const Word&)>& found) {
    std::size_t i = 0;
    bool runStart = true; // at the start of a run of text without blanks
    while (i < text.size()) {
        if (region != Region::Prose) {
            const std::size_t end = endOfRegion(text, i, region);
            if (end == std::string_view::npos)
                return region;
            i = end;
            region = Region::Prose;
            runStart = false;
            continue;
        }
        const auto c = static_cast<unsigned char>(text[i]);
        if (runStart && !isBlank(c)) {
            runStart = false;
            if (const std::size_t end = addressEnd(text, i); end != i) {
                i = end;
                continue;
            }
        }
        if (isBlank(c) || c == '(' || c == '"' || c == '<') {
            runStart = true;
            ++i;
            continue;
        }
        if (c == '[') {
            if (const auto tag = tagAt(text, i)) {
                i = tag->end;
                region = tag->opens;
                runStart = true;
                continue;
            }
        }
        if (c == ':' || c == ';') {
            if (const std::size_t end = smileyEnd(text, i); end != i) {
                i = end;
                continue;
            }
        }
        if (!isLetter(c) && !isDigit(c) && referenceEnd(text, i) == i) {
            ++i;
            continue;
        }
        // A word: letters, with digits or references making it no word.
        const std::size_t from = i;
        std::size_t latin = 0;
        std::size_t cyrillic = 0;
        bool skipped = false;
        while (i < text.size()) {
            const auto d = static_cast<unsigned char>(text[i]);
            if (isLetter(d)) {
                ++(isLatin(d) ? latin : cyrillic);
                ++i;
            } else if (isDigit(d)) {
                skipped = true;
                ++i;
            } else if (const std::size_t end = referenceEnd(text, i); end != i) {
                skipped = true;
                i = end;
            } else if (isJoiner(d) && i > from && i + 1 < text.size() &&
                       isLetter(static_cast<unsigned char>(text[i - 1])) &&
                       isLetter(static_cast<unsigned char>(text[i + 1]))) {
                ++i;
            } else {
                break;
            }
        }
        const std::size_t length = i - from;
        if (!skipped && length <= kLongestWord)
            found({from, length, cyrillic > latin ? Script::Russian : Script::English});
    }
    return region;
}

} // namespace quolan::spell
