#include "TextCodes.h"

#include "core/text/FileEncoding.h"
#include "core/text/Windows1251.h"

#include <algorithm>
#include <cctype>

namespace quolan::spell {

namespace {

// KOI8-R's letters from 0xC0 on, as Unicode offsets from U+0430 ("а"):
// "юабцдефгхийклмнопярстужвьызшэщчъ", the capitals following in the same order.
constexpr char16_t kKoi8Lower[32] = {
    u'ю', u'а', u'б', u'ц', u'д', u'е', u'ф', u'г', u'х', u'и', u'й', u'к', u'л', u'м', u'н', u'о',
    u'п', u'я', u'р', u'с', u'т', u'у', u'ж', u'в', u'ь', u'ы', u'з', u'ш', u'э', u'щ', u'ч', u'ъ'};

enum class Encoding { Utf8, Cp1251, Koi8R, Latin1, Unknown };

Encoding encodingNamed(std::string_view name) {
    std::string upper(name);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper == "UTF-8" || upper == "UTF8")
        return Encoding::Utf8;
    if (upper == "MICROSOFT-CP1251" || upper == "CP1251" || upper == "WINDOWS-1251")
        return Encoding::Cp1251;
    if (upper == "KOI8-R")
        return Encoding::Koi8R;
    if (upper == "ISO8859-1" || upper == "ISO-8859-1")
        return Encoding::Latin1;
    return Encoding::Unknown;
}

// The characters of UTF-8 text, or nothing when it is not UTF-8 of the
// Basic Multilingual Plane (no word of ours lies beyond it).
std::optional<std::u32string> decodeUtf8(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t count = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : 0;
        if (count == 0 || i + count > text.size())
            return std::nullopt;
        char32_t value = count == 1 ? c : count == 2 ? (c & 0x1F) : (c & 0x0F);
        for (std::size_t k = 1; k < count; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next >> 6) != 2)
                return std::nullopt;
            value = (value << 6) | (next & 0x3F);
        }
        out += value;
        i += count;
    }
    return out;
}

std::optional<char> koi8r(char32_t c) {
    if (c < 0x80)
        return static_cast<char>(c);
    if (c == U'ё')
        return static_cast<char>(0xA3);
    if (c == U'Ё')
        return static_cast<char>(0xB3);
    for (int i = 0; i < 32; ++i) {
        if (c == kKoi8Lower[i])
            return static_cast<char>(0xC0 + i);
        if (c == static_cast<char32_t>(kKoi8Lower[i] - 0x20))
            return static_cast<char>(0xE0 + i);
    }
    return std::nullopt;
}

std::optional<char32_t> fromKoi8r(unsigned char c) {
    if (c < 0x80)
        return c;
    if (c == 0xA3)
        return U'ё';
    if (c == 0xB3)
        return U'Ё';
    if (c >= 0xC0)
        return c < 0xE0 ? kKoi8Lower[c - 0xC0] : kKoi8Lower[c - 0xE0] - 0x20;
    return std::nullopt;
}

std::optional<std::string> charactersToCp1251(const std::u32string& characters) {
    std::string out;
    out.reserve(characters.size());
    for (const char32_t c : characters) {
        const auto byte = cp1251::encode(c);
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

} // namespace

std::string cp1251ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char c : text)
        appendUtf8(out, cp1251::decode(static_cast<unsigned char>(c)));
    return out;
}

std::optional<std::string> utf8ToCp1251(std::string_view text) {
    const auto characters = decodeUtf8(text);
    if (!characters)
        return std::nullopt;
    return charactersToCp1251(*characters);
}

std::optional<std::string> toDictionary(std::string_view word, std::string_view encoding) {
    switch (encodingNamed(encoding)) {
    case Encoding::Utf8:
        return cp1251ToUtf8(word);
    case Encoding::Cp1251:
        return std::string(word);
    case Encoding::Koi8R:
    case Encoding::Latin1: {
        std::string out;
        for (const char c : word) {
            const char16_t character = cp1251::decode(static_cast<unsigned char>(c));
            const std::optional<char> byte =
                encodingNamed(encoding) == Encoding::Koi8R
                    ? koi8r(character)
                    : (character < 0x100 ? std::optional<char>(static_cast<char>(character))
                                         : std::nullopt);
            if (!byte)
                return std::nullopt;
            out += *byte;
        }
        return out;
    }
    case Encoding::Unknown:
        break;
    }
    return std::nullopt;
}

std::optional<std::string> fromDictionary(std::string_view word, std::string_view encoding) {
    std::u32string characters;
    switch (encodingNamed(encoding)) {
    case Encoding::Utf8:
        return utf8ToCp1251(word);
    case Encoding::Cp1251:
        return std::string(word);
    case Encoding::Koi8R:
        for (const char c : word) {
            const auto character = fromKoi8r(static_cast<unsigned char>(c));
            if (!character)
                return std::nullopt;
            characters += *character;
        }
        return charactersToCp1251(characters);
    case Encoding::Latin1:
        for (const char c : word)
            characters += static_cast<unsigned char>(c);
        return charactersToCp1251(characters);
    case Encoding::Unknown:
        break;
    }
    return std::nullopt;
}

} // namespace quolan::spell
