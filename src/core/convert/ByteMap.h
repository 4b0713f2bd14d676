#pragma once

#include <array>
#include <cstddef>
#include <span>

namespace quolan {

// A character-for-character map over all 256 byte values, applied to long
// texts at memory speed where the processor allows.
class ByteMap {
public:
    using Table = std::array<unsigned char, 256>;

    // Ways of applying the map; each gives the same result.
    enum class Path { Portable, Avx2, Avx512Vbmi };

    constexpr explicit ByteMap(const Table& table) : table_(table) {
        // The AVX2 path looks bytes up sixteen at a time by their low four
        // bits, one row of sixteen per value of the high four bits; rows in
        // which nothing changes are skipped.
        for (std::size_t row = 0; row < 16; ++row) {
            bool changes = false;
            for (std::size_t low = 0; low < 16; ++low) {
                const std::size_t byte = row * 16 + low;
                deltas_[rowCount_][low] = static_cast<unsigned char>(table_[byte] - byte);
                changes = changes || table_[byte] != byte;
            }
            if (changes)
                rows_[rowCount_++] = static_cast<unsigned char>(row);
        }
    }

    constexpr unsigned char operator[](unsigned char byte) const { return table_[byte]; }

    // to[i] = map of from[i] for i < count; from and to may be the same.
    // Takes the fastest path this processor runs.
    void apply(const char* from, char* to, std::size_t count) const;
    void apply(Path path, const char* from, char* to, std::size_t count) const;

    // The paths this processor runs, fastest first; Portable always. Another
    // path given to apply() is taken as Portable.
    static std::span<const Path> paths();

private:
    Table table_;
    unsigned char deltas_[16][16]{};
    unsigned char rows_[16]{};
    std::size_t rowCount_ = 0;
};

} // namespace quolan
