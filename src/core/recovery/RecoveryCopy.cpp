#include "RecoveryCopy.h"

#include "core/text/Windows1251.h"

#include <array>
#include <charconv>

namespace quolan {

namespace {
constexpr std::string_view kMagic = "QUOLAN-RECOVERY ";
constexpr std::string_view kState = "state";
constexpr std::string_view kOpenName = "open-name";
constexpr std::string_view kSaveName = "save-name";
constexpr std::string_view kLength = "length";
constexpr std::string_view kEncoding = "encoding";

constexpr DocumentState kStates[] = {DocumentState::New, DocumentState::Opened,
                                     DocumentState::Saved};

// Every code page character lies in the Basic Multilingual Plane: at most
// three UTF-8 bytes, looked up per byte.
struct Utf8Byte {
    std::array<char, 3> bytes{};
    std::size_t size = 0;
};

std::array<Utf8Byte, 256> utf8Table() {
    std::array<Utf8Byte, 256> table{};
    for (std::size_t b = 0; b < table.size(); ++b) {
        const auto c = static_cast<unsigned>(cp1251::decode(static_cast<unsigned char>(b)));
        Utf8Byte& out = table[b];
        if (c < 0x80) {
            out.bytes = {static_cast<char>(c)};
            out.size = 1;
        } else if (c < 0x800) {
            out.bytes = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
            out.size = 2;
        } else {
            out.bytes = {static_cast<char>(0xE0 | (c >> 12)),
                         static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                         static_cast<char>(0x80 | (c & 0x3F))};
            out.size = 3;
        }
    }
    return table;
}

std::string toUtf8(std::string_view post) {
    static const std::array<Utf8Byte, 256> table = utf8Table();
    std::string out;
    out.reserve(post.size() + post.size() / 2);
    for (const char ch : post) {
        const Utf8Byte& b = table[static_cast<unsigned char>(ch)];
        out.append(b.bytes.data(), b.size);
    }
    return out;
}

bool continuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Strict UTF-8 back to the code page; nothing for a malformed sequence or a
// character the code page does not hold.
std::optional<std::string> fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        char32_t c = 0;
        if (b0 < 0x80) {
            c = b0;
            i += 1;
        } else if (b0 >= 0xC2 && b0 <= 0xDF && i + 1 < utf8.size() &&
                   continuation(static_cast<unsigned char>(utf8[i + 1]))) {
            c = (char32_t{b0} & 0x1F) << 6 | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
            i += 2;
        } else if (b0 >= 0xE0 && b0 <= 0xEF && i + 2 < utf8.size() &&
                   continuation(static_cast<unsigned char>(utf8[i + 1])) &&
                   continuation(static_cast<unsigned char>(utf8[i + 2]))) {
            c = (char32_t{b0} & 0x0F) << 12 |
                (char32_t{static_cast<unsigned char>(utf8[i + 1])} & 0x3F) << 6 |
                (static_cast<unsigned char>(utf8[i + 2]) & 0x3F);
            if (c < 0x800)
                return std::nullopt; // overlong
            i += 3;
        } else {
            return std::nullopt;
        }
        const std::optional<unsigned char> byte = cp1251::encode(c);
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

// Names may hold any byte but a header line must not break.
std::string escaped(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (const char ch : value) {
        switch (ch) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        if (++i == value.size())
            return std::nullopt;
        switch (value[i]) {
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

template <typename Number> std::optional<Number> number(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<DocumentState> stateNamed(std::string_view name) {
    for (const DocumentState state : kStates)
        if (stateName(state) == name)
            return state;
    return std::nullopt;
}
} // namespace

std::string encodeRecoveryCopy(const RecoveryCopy& copy) {
    const std::string text = toUtf8(copy.text);
    std::string out;
    out.reserve(text.size() + copy.openName.size() + copy.saveName.size() + 128);
    out.append(kMagic).append(std::to_string(kRecoveryFormatVersion)).append("\n");
    out.append(kState).append("=").append(stateName(copy.state)).append("\n");
    out.append(kOpenName).append("=").append(escaped(copy.openName)).append("\n");
    out.append(kSaveName).append("=").append(escaped(copy.saveName)).append("\n");
    out.append(kEncoding).append("=").append(encodingKey(copy.encoding)).append("\n");
    out.append(kLength).append("=").append(std::to_string(text.size())).append("\n\n");
    out.append(text);
    return out;
}

DecodedCopy decodeRecoveryCopy(std::string_view bytes) {
    DecodedCopy result;
    const std::size_t firstEnd = bytes.find('\n');
    if (!bytes.starts_with(kMagic) || firstEnd == std::string_view::npos)
        return result;
    const std::optional<int> version =
        number<int>(bytes.substr(kMagic.size(), firstEnd - kMagic.size()));
    if (!version || *version < 1)
        return result;
    if (*version > kRecoveryFormatVersion) {
        result.status = DecodedCopy::Status::NewerVersion;
        return result;
    }

    std::optional<DocumentState> state;
    std::optional<std::size_t> length;
    std::size_t at = firstEnd + 1;
    for (;;) {
        const std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos)
            return result; // the header never ends: cut short
        const std::string_view line = bytes.substr(at, end - at);
        at = end + 1;
        if (line.empty())
            break;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return result;
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (key == kState) {
            state = stateNamed(value);
            if (!state)
                return result;
        } else if (key == kOpenName || key == kSaveName) {
            std::optional<std::string> name = unescaped(value);
            if (!name)
                return result;
            (key == kOpenName ? result.copy.openName : result.copy.saveName) = std::move(*name);
        } else if (key == kEncoding) {
            const std::optional<FileEncoding> encoding = encodingForKey(value);
            if (!encoding)
                return result;
            result.copy.encoding = *encoding;
        } else if (key == kLength) {
            length = number<std::size_t>(value);
            if (!length)
                return result;
        }
        // A key this version does not know is a later addition it can do without.
    }
    if (!state || !length || bytes.size() - at != *length)
        return result;
    std::optional<std::string> text = fromUtf8(bytes.substr(at));
    if (!text)
        return result;
    result.copy.state = *state;
    result.copy.text = std::move(*text);
    result.status = DecodedCopy::Status::Ok;
    return result;
}

} // namespace quolan
