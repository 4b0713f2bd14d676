#include "core/convert/ByteMap.h"

#include <cstddef>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace quolan {
namespace {

ByteMap::Table tableOf(const std::function<unsigned char(unsigned char)>& f) {
    ByteMap::Table table{};
    for (std::size_t b = 0; b < table.size(); ++b)
        table[b] = f(static_cast<unsigned char>(b));
    return table;
}

// Maps touching no row, one row, a few, and every row of sixteen values.
TEST(ByteMap, appliesAnyMapToTextsOfEveryLength) {
    const ByteMap::Table tables[] = {
        tableOf([](unsigned char b) { return b; }),
        tableOf([](unsigned char b) { return b == 0x41 ? 0xFF : b; }),
        tableOf([](unsigned char b) {
            return static_cast<unsigned char>(b >= 0x30 && b < 0x70 ? b ^ 0x0F : b);
        }),
        tableOf([](unsigned char b) { return static_cast<unsigned char>(255 - b); }),
        tableOf([](unsigned char b) { return static_cast<unsigned char>(b * 7 + 3); }),
    };
    std::mt19937 random(5);
    std::string text(200, '\0');
    for (char& c : text)
        c = static_cast<char>(random() % 256);
    ASSERT_EQ(ByteMap::paths().back(), ByteMap::Path::Portable);
    for (const ByteMap::Path path : ByteMap::paths()) {
        for (const ByteMap::Table& table : tables) {
            const ByteMap map(table);
            for (std::size_t start = 0; start < 2; ++start) {
                for (std::size_t length = 0; start + length <= text.size(); ++length) {
                    const std::string piece = text.substr(start, length);
                    std::string want = piece;
                    for (char& c : want)
                        c = static_cast<char>(table[static_cast<unsigned char>(c)]);

                    std::string out(length, '?');
                    map.apply(path, text.data() + start, out.data(), length);
                    ASSERT_EQ(out, want) << static_cast<int>(path) << " " << start << " " << length;
                    std::string inPlace = piece;
                    map.apply(path, inPlace.data(), inPlace.data(), inPlace.size());
                    ASSERT_EQ(inPlace, want)
                        << static_cast<int>(path) << " " << start << " " << length;
                }
            }
        }
    }
}

} // namespace
} // namespace quolan
