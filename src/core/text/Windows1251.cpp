#include "Windows1251.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quolan::cp1251 {

namespace {

// Bytes 0x80..0xBF; 0xC0..0xFF are the contiguous letters U+0410..U+044F.
constexpr std::array<char16_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

struct Reverse {
    char16_t character;
    unsigned char byte;
};

// kHighHalf sorted by character, for encoding.
constexpr std::array<Reverse, 64> makeReverse() {
    std::array<Reverse, 64> table{};
    for (std::size_t i = 0; i < kHighHalf.size(); ++i)
        table[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(table.begin(), table.end(),
              [](const Reverse& a, const Reverse& b) { return a.character < b.character; });
    return table;
}

constexpr std::array<Reverse, 64> kReverse = makeReverse();

constexpr std::array<char16_t, 256> makeDecodeTable() {
    std::array<char16_t, 256> table{};
    for (std::size_t byte = 0; byte < 256; ++byte) {
        if (byte < 0x80)
            table[byte] = static_cast<char16_t>(byte);
        else if (byte >= 0xC0)
            table[byte] = static_cast<char16_t>(0x0410 + (byte - 0xC0));
        else
            table[byte] = kHighHalf[byte - 0x80];
    }
    return table;
}

constexpr std::array<char16_t, 256> kDecode = makeDecodeTable();

} // namespace

char16_t decode(unsigned char byte) {
    return kDecode[byte];
}

std::optional<unsigned char> encode(char32_t character) {
    if (character < 0x80)
        return static_cast<unsigned char>(character);
    if (character >= 0x0410 && character <= 0x044F)
        return static_cast<unsigned char>(0xC0 + (character - 0x0410));
    if (character > 0xFFFF)
        return std::nullopt;
    const auto it = std::lower_bound(
        kReverse.begin(), kReverse.end(), static_cast<char16_t>(character),
        [](const Reverse& entry, char16_t value) { return entry.character < value; });
    if (it != kReverse.end() && it->character == character)
        return it->byte;
    return std::nullopt;
}

} // namespace quolan::cp1251
