#include "ByteMap.h"

#include <algorithm>
#include <utility>
#include <vector>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define QUOLAN_BYTEMAP_X86 1
#include <immintrin.h>
#endif

namespace quolan {

namespace {
#ifdef QUOLAN_BYTEMAP_X86
// Thirty-two bytes at a time. For each changing row, the bytes minus the
// row's first value are 0 to 15 inside the row; a saturating add of 0x70
// keeps those below 0x80 and pushes every other byte to 0x80 or above, which
// the shuffle turns into a zero difference. The differences are added.
template <std::size_t Rows>
__attribute__((target("avx2"))) std::size_t
applyAvx2(const unsigned char (&deltas)[16][16], const unsigned char (&rows)[16], const char* from,
          char* to, std::size_t count) {
    __m256i delta[Rows ? Rows : 1];
    __m256i base[Rows ? Rows : 1];
    for (std::size_t k = 0; k < Rows; ++k) {
        delta[k] = _mm256_broadcastsi128_si256(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(deltas[k])));
        base[k] = _mm256_set1_epi8(static_cast<char>(rows[k] << 4));
    }
    const __m256i lift = _mm256_set1_epi8(0x70);
    std::size_t i = 0;
    for (; i + 32 <= count; i += 32) {
        const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + i));
        __m256i sum = _mm256_setzero_si256();
#pragma GCC unroll 16
        for (std::size_t k = 0; k < Rows; ++k)
            sum = _mm256_or_si256(
                sum, _mm256_shuffle_epi8(delta[k],
                                         _mm256_adds_epu8(_mm256_sub_epi8(bytes, base[k]), lift)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + i), _mm256_add_epi8(bytes, sum));
    }
    return i;
}

using Avx2Kernel = std::size_t (*)(const unsigned char (&)[16][16], const unsigned char (&)[16],
                                   const char*, char*, std::size_t);

template <std::size_t... Rows> constexpr auto avx2Kernels(std::index_sequence<Rows...>) {
    return std::array<Avx2Kernel, sizeof...(Rows)>{&applyAvx2<Rows>...};
}
constexpr auto kAvx2Kernels = avx2Kernels(std::make_index_sequence<17>{});

// Sixty-four bytes at a time: the whole table is four registers, two
// two-register permutes look up the lower and the upper half, and the top
// bit of each byte picks between them.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) std::size_t
applyAvx512Vbmi(const unsigned char* table, const char* from, char* to, std::size_t count) {
    const __m512i t0 = _mm512_loadu_si512(table);
    const __m512i t1 = _mm512_loadu_si512(table + 64);
    const __m512i t2 = _mm512_loadu_si512(table + 128);
    const __m512i t3 = _mm512_loadu_si512(table + 192);
    std::size_t i = 0;
    for (; i + 64 <= count; i += 64) {
        const __m512i bytes = _mm512_loadu_si512(from + i);
        const __m512i lower = _mm512_permutex2var_epi8(t0, bytes, t1);
        const __m512i upper = _mm512_permutex2var_epi8(t2, bytes, t3);
        _mm512_storeu_si512(to + i,
                            _mm512_mask_blend_epi8(_mm512_movepi8_mask(bytes), lower, upper));
    }
    return i;
}
#endif

std::vector<ByteMap::Path> detectPaths() {
    std::vector<ByteMap::Path> found;
#ifdef QUOLAN_BYTEMAP_X86
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512vbmi"))
        found.push_back(ByteMap::Path::Avx512Vbmi);
    if (__builtin_cpu_supports("avx2"))
        found.push_back(ByteMap::Path::Avx2);
#endif
    found.push_back(ByteMap::Path::Portable);
    return found;
}
} // namespace

std::span<const ByteMap::Path> ByteMap::paths() {
    static const std::vector<Path> found = detectPaths();
    return found;
}

void ByteMap::apply(const char* from, char* to, std::size_t count) const {
    apply(paths().front(), from, to, count);
}

void ByteMap::apply(Path path, const char* from, char* to, std::size_t count) const {
    // A path this processor cannot run falls back to the portable one.
    if (std::ranges::find(paths(), path) == paths().end())
        path = Path::Portable;
    std::size_t done = 0;
#ifdef QUOLAN_BYTEMAP_X86
    if (path == Path::Avx512Vbmi)
        done = applyAvx512Vbmi(table_.data(), from, to, count);
    else if (path == Path::Avx2 && rowCount_ > 0)
        done = kAvx2Kernels[rowCount_](deltas_, rows_, from, to, count);
#else
    (void)path;
#endif
    for (std::size_t i = done; i < count; ++i)
        to[i] = static_cast<char>(table_[static_cast<unsigned char>(from[i])]);
}

} // namespace quolan
