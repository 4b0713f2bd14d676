#include "IniText.h"

#include "core/text/Windows1251.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <vector>

namespace quolan::ini {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kDefaultLineBreak = "\r\n";

// Upper and lower case of a code-page letter fold to the same character.
constexpr char16_t foldCase(char16_t c) {
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0410 && c <= 0x042F) // А..Я
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0400 && c <= 0x040F) // Ѐ..Џ: Ё, Ђ, Є, Ї, Ў and the rest
        return static_cast<char16_t>(c + 0x50);
    if (c == 0x0490) // Ґ
        return 0x0491;
    return c;
}

const std::array<char16_t, 256> kFolded = [] {
    std::array<char16_t, 256> table{};
    for (std::size_t b = 0; b < table.size(); ++b)
        table[b] = foldCase(cp1251::decode(static_cast<unsigned char>(b)));
    return table;
}();

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A value in matching quotes is read without them.
bool isQuoted(std::string_view value) {
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

// The value as it goes into the file, so that it reads back as it was: one
// with blanks at either end, which reading would trim, or one in quotes of
// its own, which reading would strip, goes in double quotes.
std::string storedForm(std::string value) {
    if (!value.empty() && (isBlank(value.front()) || isBlank(value.back()) || isQuoted(value)))
        return '"' + value + '"';
    return value;
}

// [begin, end) of `text` without surrounding blanks.
void trim(std::string_view text, std::size_t& begin, std::size_t& end) {
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
}

// One line of the file: its content and its line break (CR LF, LF or CR).
struct Line {
    std::size_t begin;
    std::size_t contentEnd;
    std::size_t end;
};

std::vector<Line> splitLines(std::string_view file) {
    std::vector<Line> lines;
    std::size_t position = file.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0;
    while (position < file.size()) {
        const std::size_t begin = position;
        while (position < file.size() && file[position] != '\r' && file[position] != '\n')
            ++position;
        const std::size_t contentEnd = position;
        if (position < file.size()) {
            const bool crLf =
                file[position] == '\r' && position + 1 < file.size() && file[position + 1] == '\n';
            position += crLf ? 2 : 1;
        }
        lines.push_back({begin, contentEnd, position});
    }
    return lines;
}

std::string_view lineBreakOf(std::string_view file, const std::vector<Line>& lines) {
    for (const Line& line : lines)
        if (line.end > line.contentEnd)
            return file.substr(line.contentEnd, line.end - line.contentEnd);
    return kDefaultLineBreak;
}

struct Entry {
    enum class Kind { Other, Section, Key };
    Kind kind = Kind::Other;
    std::string_view name;
    std::size_t valueBegin = 0; // offsets into the file; the value is not trimmed of quotes
    std::size_t valueEnd = 0;
};

Entry classify(std::string_view file, const Line& line) {
    std::size_t begin = line.begin;
    std::size_t end = line.contentEnd;
    trim(file, begin, end);
    if (begin == end || file[begin] == ';')
        return {};
    if (file[begin] == '[') {
        const std::size_t close = file.substr(0, end).find(']', begin);
        if (close == std::string_view::npos)
            return {};
        std::size_t nameBegin = begin + 1;
        std::size_t nameEnd = close;
        trim(file, nameBegin, nameEnd);
        return {Entry::Kind::Section, file.substr(nameBegin, nameEnd - nameBegin), 0, 0};
    }
    const std::size_t equals = file.substr(0, end).find('=', begin);
    if (equals == std::string_view::npos)
        return {};
    std::size_t keyBegin = begin;
    std::size_t keyEnd = equals;
    trim(file, keyBegin, keyEnd);
    std::size_t valueBegin = equals + 1;
    std::size_t valueEnd = end;
    trim(file, valueBegin, valueEnd);
    return {Entry::Kind::Key, file.substr(keyBegin, keyEnd - keyBegin), valueBegin, valueEnd};
}

// Where a key stands in the file, or where it would be added.
struct Place {
    bool sectionFound = false;
    std::optional<Entry> key;
    std::size_t insertAt = 0; // end of the section's last entry line
    bool insertAfterUnbrokenLine = false;
};

Place locate(std::string_view file, const std::vector<Line>& lines, std::string_view section,
             std::string_view key) {
    Place place;
    bool inSection = false;
    for (const Line& line : lines) {
        const Entry entry = classify(file, line);
        if (entry.kind == Entry::Kind::Section) {
            if (inSection)
                break; // only the first section of the name counts
            inSection = namesEqual(entry.name, section);
            if (inSection) {
                place.sectionFound = true;
                place.insertAt = line.end;
                place.insertAfterUnbrokenLine = line.end == line.contentEnd;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (entry.kind == Entry::Kind::Key && namesEqual(entry.name, key)) {
            place.key = entry;
            return place;
        }
        if (entry.kind != Entry::Kind::Other) {
            place.insertAt = line.end;
            place.insertAfterUnbrokenLine = line.end == line.contentEnd;
        }
    }
    return place;
}

// A key's value as reading gives it: without its matching quotes, cut.
std::string valueOf(std::string_view file, const Entry& key) {
    std::string_view value = file.substr(key.valueBegin, key.valueEnd - key.valueBegin);
    if (isQuoted(value))
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, kValueLimit));
}

std::string withoutLineBreaks(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    for (const char c : text)
        if (c != '\r' && c != '\n')
            clean += c;
    return clean;
}

bool isDigit(char c, int base) {
    if (c >= '0' && c <= '9')
        return true;
    return base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

} // namespace

bool namesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (kFolded[static_cast<unsigned char>(a[i])] != kFolded[static_cast<unsigned char>(b[i])])
            return false;
    return true;
}

std::optional<std::string> find(std::string_view file, std::string_view section,
                                std::string_view key) {
    const std::vector<Line> lines = splitLines(file);
    const Place place = locate(file, lines, section, key);
    if (!place.key)
        return std::nullopt;
    return valueOf(file, *place.key);
}

std::string withValue(std::string_view file, std::string_view section, std::string_view key,
                      std::string_view value) {
    // A line break in a value would break the file into new, unintended lines.
    const std::string wanted = withoutLineBreaks(value);
    const std::string stored = storedForm(wanted);
    const std::vector<Line> lines = splitLines(file);
    const Place place = locate(file, lines, section, key);
    std::string result;
    result.reserve(file.size() + section.size() + key.size() + stored.size() + 8);

    if (place.key) {
        // A value that already reads as the one written keeps its bytes.
        if (valueOf(file, *place.key) == wanted)
            return std::string(file);
        result.append(file.substr(0, place.key->valueBegin));
        result.append(stored);
        result.append(file.substr(place.key->valueEnd));
        return result;
    }

    const std::string_view lineBreak = lineBreakOf(file, lines);
    const std::string entry = std::string(key) + "=" + stored + std::string(lineBreak);
    if (place.sectionFound) {
        result.append(file.substr(0, place.insertAt));
        if (place.insertAfterUnbrokenLine)
            result.append(lineBreak);
        result.append(entry);
        result.append(file.substr(place.insertAt));
        return result;
    }

    result.append(file);
    const bool endsUnbroken = !lines.empty() && lines.back().end == lines.back().contentEnd;
    if (endsUnbroken)
        result.append(lineBreak);
    result.append("[").append(section).append("]").append(lineBreak);
    result.append(entry);
    return result;
}

std::optional<int> parseInteger(std::string_view value) {
    int base = 10;
    bool negative = false;
    if (value.starts_with('$')) {
        base = 16;
        value.remove_prefix(1);
    } else if (value.starts_with("0x") || value.starts_with("0X")) {
        base = 16;
        value.remove_prefix(2);
    } else if (value.starts_with('+') || value.starts_with('-')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    if (value.empty())
        return std::nullopt;
    for (const char c : value)
        if (!isDigit(c, base))
            return std::nullopt;

    std::uint64_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(value.data(), value.data() + value.size(), magnitude, base);
    if (error != std::errc() || end != value.data() + value.size())
        return std::nullopt;
    const std::uint64_t limit = negative ? std::uint64_t{std::numeric_limits<int>::max()} + 1
                                         : std::uint64_t{std::numeric_limits<int>::max()};
    if (magnitude > limit)
        return std::nullopt;
    const auto signedValue = static_cast<std::int64_t>(magnitude);
    return static_cast<int>(negative ? -signedValue : signedValue);
}

} // namespace quolan::ini
