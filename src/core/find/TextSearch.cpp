#include "TextSearch.h"

#include "core/text/Windows1251.h"

#include <algorithm>

namespace quolan {

namespace {
using ByteTable = std::array<unsigned char, 256>;

char16_t lowerCase(char16_t c) {
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c + 0x20);
    if (c >= u'\u0410' && c <= u'\u042F') // А..Я
        return static_cast<char16_t>(c + 0x20);
    if (c >= u'\u0400' && c <= u'\u040F') // Ѐ..Џ, Ё among them
        return static_cast<char16_t>(c + 0x50);
    if (c == u'\u0490') // Ґ
        return u'\u0491';
    return c;
}

bool isWordCharacter(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
           c == u'_' || (c >= u'\u0400' && c <= u'\u04FF');
}

// Each byte of the code page to the byte of its lower-case letter.
const ByteTable& caseless() {
    static const ByteTable table = [] {
        ByteTable t{};
        for (std::size_t b = 0; b < t.size(); ++b) {
            const char16_t lower = lowerCase(cp1251::decode(static_cast<unsigned char>(b)));
            t[b] = cp1251::encode(lower).value_or(static_cast<unsigned char>(b));
        }
        return t;
    }();
    return table;
}

const ByteTable& exact() {
    static const ByteTable table = [] {
        ByteTable t{};
        for (std::size_t b = 0; b < t.size(); ++b)
            t[b] = static_cast<unsigned char>(b);
        return t;
    }();
    return table;
}

unsigned char byteAt(std::string_view text, std::size_t position) {
    return static_cast<unsigned char>(text[position]);
}
} // namespace

bool isWordByte(unsigned char byte) {
    static const std::array<bool, 256> table = [] {
        std::array<bool, 256> t{};
        for (std::size_t b = 0; b < t.size(); ++b)
            t[b] = isWordCharacter(cp1251::decode(static_cast<unsigned char>(b)));
        return t;
    }();
    return table[byte];
}

TextSearch::TextSearch(SearchQuery query)
    : query_(std::move(query)), fold_(query_.matchCase ? &exact() : &caseless()) {
    pattern_ = query_.pattern;
    for (char& c : pattern_)
        c = static_cast<char>((*fold_)[static_cast<unsigned char>(c)]);
    // Horspool's shifts: forwards by the window's last byte, backwards by its first.
    const std::size_t m = pattern_.size();
    skipForward_.fill(std::max<std::size_t>(m, 1));
    skipBackward_.fill(std::max<std::size_t>(m, 1));
    for (std::size_t i = 0; i + 1 < m; ++i)
        skipForward_[byteAt(pattern_, i)] = m - 1 - i;
    for (std::size_t i = m; i-- > 1;)
        skipBackward_[byteAt(pattern_, i)] = i;
}

bool TextSearch::sameAt(std::string_view text, std::size_t position) const {
    const ByteTable& fold = *fold_;
    for (std::size_t i = 0; i < pattern_.size(); ++i)
        if (fold[byteAt(text, position + i)] != byteAt(pattern_, i))
            return false;
    return true;
}

bool TextSearch::boundedAt(std::string_view text, std::size_t position) const {
    if (!query_.wholeWords)
        return true;
    // Only an end of the match that is itself a word character can continue a word.
    const std::size_t end = position + pattern_.size();
    const bool leftOpen =
        isWordByte(byteAt(pattern_, 0)) && position > 0 && isWordByte(byteAt(text, position - 1));
    const bool rightOpen = isWordByte(byteAt(pattern_, pattern_.size() - 1)) && end < text.size() &&
                           isWordByte(byteAt(text, end));
    return !leftOpen && !rightOpen;
}

bool TextSearch::matchesAt(std::string_view text, std::size_t position) const {
    return !pattern_.empty() && position + pattern_.size() <= text.size() &&
           sameAt(text, position) && boundedAt(text, position);
}

std::optional<std::size_t> TextSearch::first(std::string_view text, std::size_t from,
                                             std::size_t until) const {
    const std::size_t m = pattern_.size();
    until = std::min(until, text.size());
    if (m == 0)
        return std::nullopt;
    const ByteTable& fold = *fold_;
    const unsigned char lastByte = byteAt(pattern_, m - 1);
    for (std::size_t at = from; at + m <= until;) {
        const unsigned char last = fold[byteAt(text, at + m - 1)];
        if (last == lastByte && sameAt(text, at) && boundedAt(text, at))
            return at;
        at += skipForward_[last];
    }
    return std::nullopt;
}

std::optional<std::size_t> TextSearch::last(std::string_view text, std::size_t from,
                                            std::size_t until) const {
    const std::size_t m = pattern_.size();
    until = std::min(until, text.size());
    if (m == 0)
        return std::nullopt;
    const ByteTable& fold = *fold_;
    const unsigned char firstByte = byteAt(pattern_, 0);
    for (std::size_t end = until; end >= from + m;) {
        const std::size_t at = end - m;
        const unsigned char head = fold[byteAt(text, at)];
        if (head == firstByte && sameAt(text, at) && boundedAt(text, at))
            return at;
        const std::size_t skip = skipBackward_[head];
        if (end < from + m + skip)
            break;
        end -= skip;
    }
    return std::nullopt;
}

TextSearch::Count TextSearch::count(std::string_view text, std::size_t current) const {
    Count result;
    for (auto at = first(text, 0, text.size()); at;
         at = first(text, *at + patternLength(), text.size())) {
        ++result.total;
        if (*at == current)
            result.ordinal = result.total;
    }
    return result;
}

TextSearch::Replaced TextSearch::replaceAll(std::string_view text, std::string_view replacement,
                                            std::size_t position) const {
    Replaced result;
    result.position = position;
    std::size_t copied = 0;
    for (auto at = first(text, 0, text.size()); at; at = first(text, copied, text.size())) {
        if (result.replacements == 0)
            result.text.reserve(text.size());
        result.text.append(text, copied, *at - copied);
        result.text.append(replacement);
        copied = *at + patternLength();
        ++result.replacements;
        if (position >= copied)
            result.position = position + result.text.size() - copied;
        else if (position > *at)
            result.position = result.text.size() - replacement.size();
    }
    result.text.append(text, copied, text.size() - copied);
    return result;
}

} // namespace quolan
