#include "FileEncoding.h"

#include "core/text/PlatformText.h"
#include "core/text/Windows1251.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <tuple>

namespace quolan {

namespace {
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kLastCharacter = 0x10FFFF;

constexpr bool isSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

// A control character written text does not hold: below the space except the
// tab, the line breaks and the form feed, and DEL.
constexpr bool isStrayControl(char32_t c) {
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\f' && c != '\r') || c == 0x7F;
}

// NUL anywhere, or more than one character in ten a stray control: random
// bytes carry about one in nine, written text almost none. Blocks of a fixed
// length let the compiler count many bytes at once.
bool looksBinary(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos)
        return true;
    constexpr std::size_t kBlock = 64;
    std::size_t controls = 0;
    std::size_t k = 0;
    for (; k + kBlock <= bytes.size(); k += kBlock) {
        // isStrayControl without branches, summed in bytes: 64 at most.
        unsigned char inBlock = 0;
        for (std::size_t j = 0; j < kBlock; ++j) {
            const auto b = static_cast<unsigned char>(bytes[k + j]);
            inBlock = static_cast<unsigned char>(inBlock + (b < 0x20) - (b == '\t') - (b == '\n') -
                                                 (b == '\f') - (b == '\r') + (b == 0x7F));
        }
        controls += inBlock;
    }
    for (; k < bytes.size(); ++k)
        controls += isStrayControl(static_cast<unsigned char>(bytes[k]));
    return controls * 10 > bytes.size();
}

struct Sequence {
    std::size_t length = 1; // the bytes it spans, or its malformed start
    char32_t character = 0;
    bool valid = false;
    bool cut = false; // the file ends inside it
};

// The UTF-8 sequence at a byte >= 0x80. A malformed one spans its longest
// start that could still have been well-formed, as decoders agree to.
Sequence readSequence(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    std::size_t follow = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    char32_t c = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        follow = 1;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        follow = 2;
        c = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : low;   // overlong
        high = lead == 0xED ? 0x9F : high; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        follow = 3;
        c = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : low;   // overlong
        high = lead == 0xF4 ? 0x8F : high; // beyond U+10FFFF
    } else {
        return {};
    }
    for (std::size_t k = 1; k <= follow; ++k) {
        if (at + k >= bytes.size())
            return {k, 0, false, true};
        const auto b = static_cast<unsigned char>(bytes[at + k]);
        if (b < low || b > high)
            return {k, 0, false, false};
        c = (c << 6) | (b & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    return {follow + 1, c, true, false};
}

// Post text written into a buffer that always has room for the rest of the
// input byte for byte; only a reference, longer than its sequence, makes more.
class PostBuffer {
public:
    explicit PostBuffer(std::size_t inputSize) : out_(inputSize, '\0') {}

    void put(char byte) { out_[used_++] = byte; }
    void put(std::string_view bytes) {
        bytes.copy(out_.data() + used_, bytes.size());
        used_ += bytes.size();
    }
    // A character outside ASCII, as typed text takes it; `inputLeft` counts
    // the input bytes after its own.
    void putCharacter(char32_t c, std::size_t inputLeft) {
        scratch_.clear();
        appendPostCharacter(scratch_, c);
        if (out_.size() - used_ < scratch_.size() + inputLeft)
            out_.resize(std::max(out_.size() * 2, used_ + scratch_.size() + inputLeft));
        put(scratch_);
    }
    std::string take() && {
        out_.resize(used_);
        return std::move(out_);
    }

private:
    std::string out_;
    std::size_t used_ = 0;
    std::string scratch_;
};

// Code page bytes of U+0400..U+047F, the two-byte sequences D0 xx and D1 xx;
// 0 where the code page has none.
std::array<unsigned char, 128> cyrillicBytes() {
    std::array<unsigned char, 128> table{};
    for (std::size_t k = 0; k < table.size(); ++k)
        table[k] = cp1251::encode(static_cast<char32_t>(0x0400 + k)).value_or(0);
    return table;
}

bool allAscii(const char* at) {
    std::uint64_t word = 0;
    std::memcpy(&word, at, sizeof word);
    return (word & 0x8080808080808080ULL) == 0;
}

// The post a UTF-8 file holds; nothing when the bytes are not UTF-8. After a
// mark malformed bytes do not decide that, they become U+FFFD; without one
// only a sequence cut by the end of the file may.
std::optional<std::string> utf8Post(std::string_view bytes, bool marked) {
    const auto high = [](char ch) { return static_cast<unsigned char>(ch) >= 0x80; };
    const auto firstHigh =
        static_cast<std::size_t>(std::find_if(bytes.begin(), bytes.end(), high) - bytes.begin());
    if (!marked && (firstHigh == bytes.size() || !readSequence(bytes, firstHigh).valid))
        return std::nullopt; // plain ASCII reads the same in the code page
    PostBuffer out(bytes.size());
    out.put(bytes.substr(0, firstHigh));
    static const std::array<unsigned char, 128> cyrillic = cyrillicBytes();
    bool multiByte = false;
    const std::size_t size = bytes.size();
    for (std::size_t i = firstHigh; i < size;) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out.put(static_cast<char>(b));
            ++i;
            // Latin text and markup: eight bytes at a time.
            while (i + 8 <= size && allAscii(bytes.data() + i)) {
                out.put(bytes.substr(i, 8));
                i += 8;
            }
            continue;
        }
        // Cyrillic, most of a post, straight from a table.
        if ((b & 0xFE) == 0xD0 && i + 1 < size) {
            const auto next = static_cast<unsigned char>(bytes[i + 1]);
            const unsigned char byte =
                (next & 0xC0) == 0x80 ? cyrillic[((b & 1U) << 6) | (next & 0x3FU)] : 0;
            if (byte != 0) {
                out.put(static_cast<char>(byte));
                multiByte = true;
                i += 2;
                continue;
            }
        }
        const Sequence sequence = readSequence(bytes, i);
        i += sequence.length;
        if (sequence.valid) {
            multiByte = true;
            out.putCharacter(sequence.character, size - i);
        } else if (marked || sequence.cut) {
            out.putCharacter(kReplacement, size - i);
        } else {
            return std::nullopt;
        }
    }
    if (!marked && !multiByte)
        return std::nullopt;
    return std::move(out).take();
}

struct Utf16Units {
    std::string_view bytes;
    bool bigEndian = false;

    std::size_t size() const { return bytes.size() / 2; }
    char16_t operator[](std::size_t k) const {
        const auto first = static_cast<unsigned char>(bytes[2 * k]);
        const auto second = static_cast<unsigned char>(bytes[2 * k + 1]);
        return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
};

// As for bytes, in code units.
bool looksBinary(const Utf16Units& units) {
    std::size_t nuls = 0;
    std::size_t controls = 0;
    for (std::size_t k = 0; k < units.size(); ++k) {
        nuls += units[k] == 0;
        controls += isStrayControl(units[k]);
    }
    return nuls > 0 || controls * 10 > units.size();
}

std::string utf16Post(const Utf16Units& units) {
    std::string out;
    out.reserve(units.size());
    for (std::size_t k = 0; k < units.size(); ++k) {
        const char16_t unit = units[k];
        if (unit >= 0xD800 && unit <= 0xDBFF && k + 1 < units.size() && units[k + 1] >= 0xDC00 &&
            units[k + 1] <= 0xDFFF) {
            appendPostCharacter(out, 0x10000 + ((char32_t{unit} - 0xD800) << 10) +
                                         (char32_t{units[k + 1]} - 0xDC00));
            ++k;
        } else {
            // A lone surrogate is no character, but as its own reference it
            // goes back into the file unchanged.
            appendPostCharacter(out, unit);
        }
    }
    if (units.bytes.size() % 2 != 0)
        appendPostCharacter(out, kReplacement);
    return out;
}

DecodedFile utf16File(std::string_view bytes, bool bigEndian) {
    const Utf16Units units{bytes, bigEndian};
    return {bigEndian ? FileEncoding::Utf16BE : FileEncoding::Utf16LE, utf16Post(units),
            looksBinary(units)};
}

// "&#N;" at `at`, written as reading writes it, for a character `encoding`
// holds and the code page does not: its character and length.
std::optional<std::pair<char32_t, std::size_t>>
referenceToTurnBack(std::string_view post, std::size_t at, FileEncoding encoding) {
    constexpr std::size_t kMostDigits = 7;
    if (at + 3 >= post.size() || post[at + 1] != '#' || post[at + 2] == '0')
        return std::nullopt;
    char32_t c = 0;
    std::size_t end = at + 2;
    for (; end < post.size() && end - at - 2 < kMostDigits && post[end] >= '0' && post[end] <= '9';
         ++end)
        c = c * 10 + static_cast<char32_t>(post[end] - '0');
    if (end == at + 2 || end >= post.size() || post[end] != ';' || c > kLastCharacter ||
        cp1251::encode(c))
        return std::nullopt;
    const bool utf16 = encoding == FileEncoding::Utf16LE || encoding == FileEncoding::Utf16BE;
    if (isSurrogate(c) && !utf16)
        return std::nullopt; // UTF-8 cannot hold half a pair: it stays a reference
    return std::pair{c, end + 1 - at};
}

void appendUtf16Unit(std::string& out, char32_t unit, bool bigEndian) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

void appendUtf16(std::string& out, char32_t c, bool bigEndian) {
    if (c < 0x10000) {
        appendUtf16Unit(out, c, bigEndian);
        return;
    }
    appendUtf16Unit(out, 0xD800 + ((c - 0x10000) >> 10), bigEndian);
    appendUtf16Unit(out, 0xDC00 + ((c - 0x10000) & 0x3FF), bigEndian);
}

struct EncodingNames {
    FileEncoding encoding;
    std::string_view name;
    std::string_view key;
};

constexpr std::array<EncodingNames, 5> kNames = {{
    {FileEncoding::Windows1251, "Windows-1251", "windows-1251"},
    {FileEncoding::Utf8, "UTF-8", "utf-8"},
    {FileEncoding::Utf8Bom, "UTF-8 BOM", "utf-8-bom"},
    {FileEncoding::Utf16LE, "UTF-16LE", "utf-16le"},
    {FileEncoding::Utf16BE, "UTF-16BE", "utf-16be"},
}};
} // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

DecodedFile decodeFile(std::string bytes) {
    const std::string_view view = bytes;
    // UTF-16 first: its text is full of NULs.
    if (view.starts_with(kUtf16LEMark))
        return utf16File(view.substr(kUtf16LEMark.size()), false);
    if (view.starts_with(kUtf16BEMark))
        return utf16File(view.substr(kUtf16BEMark.size()), true);
    if (view.starts_with(kUtf8Mark)) {
        const std::string_view rest = view.substr(kUtf8Mark.size());
        return {FileEncoding::Utf8Bom, *utf8Post(rest, true), looksBinary(rest)};
    }
    const bool binary = looksBinary(view);
    if (std::optional<std::string> text = utf8Post(view, false))
        return {FileEncoding::Utf8, std::move(*text), binary};
    return {FileEncoding::Windows1251, std::move(bytes), binary};
}

std::string encodeFile(std::string_view post, FileEncoding encoding) {
    if (encoding == FileEncoding::Windows1251)
        return std::string(post);
    const bool utf16 = encoding == FileEncoding::Utf16LE || encoding == FileEncoding::Utf16BE;
    const bool bigEndian = encoding == FileEncoding::Utf16BE;
    std::string out;
    out.reserve(post.size() * 2 + kUtf8Mark.size());
    if (encoding == FileEncoding::Utf8Bom)
        out += kUtf8Mark;
    else if (utf16)
        out += bigEndian ? kUtf16BEMark : kUtf16LEMark;
    for (std::size_t i = 0; i < post.size();) {
        char32_t c = cp1251::decode(static_cast<unsigned char>(post[i]));
        std::size_t length = 1;
        if (c == '&') {
            if (const auto reference = referenceToTurnBack(post, i, encoding))
                std::tie(c, length) = *reference;
        }
        if (utf16)
            appendUtf16(out, c, bigEndian);
        else
            appendUtf8(out, c);
        i += length;
    }
    return out;
}

std::string_view encodingName(FileEncoding encoding) {
    for (const EncodingNames& names : kNames)
        if (names.encoding == encoding)
            return names.name;
    return {};
}

std::string_view encodingKey(FileEncoding encoding) {
    for (const EncodingNames& names : kNames)
        if (names.encoding == encoding)
            return names.key;
    return {};
}

std::optional<FileEncoding> encodingForKey(std::string_view key) {
    for (const EncodingNames& names : kNames)
        if (names.key == key)
            return names.encoding;
    return std::nullopt;
}

} // namespace quolan
