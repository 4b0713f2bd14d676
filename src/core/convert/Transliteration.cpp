#include "Transliteration.h"

#include "core/convert/ByteMap.h"

#include <cstddef>

namespace quolan {

namespace {
// Latin letters to Cyrillic ones: a to z, then A to Z, then the grave accent.
// Several Latin letters share a Cyrillic target (q and k, v and w, i and y);
// lower-case x gives к while upper-case X gives Х.
constexpr LetterPair kEnglishToRussian[] = {
    {0x61, 0xE0}, // a а
    {0x62, 0xE1}, // b б
    {0x63, 0xF6}, // c ц
    {0x64, 0xE4}, // d д
    {0x65, 0xE5}, // e е
    {0x66, 0xF4}, // f ф
    {0x67, 0xE3}, // g г
    {0x68, 0xF5}, // h х
    {0x69, 0xE8}, // i и
    {0x6A, 0xE6}, // j ж
    {0x6B, 0xEA}, // k к
    {0x6C, 0xEB}, // l л
    {0x6D, 0xEC}, // m м
    {0x6E, 0xED}, // n н
    {0x6F, 0xEE}, // o о
    {0x70, 0xEF}, // p п
    {0x71, 0xEA}, // q к
    {0x72, 0xF0}, // r р
    {0x73, 0xF1}, // s с
    {0x74, 0xF2}, // t т
    {0x75, 0xF3}, // u у
    {0x76, 0xE2}, // v в
    {0x77, 0xE2}, // w в
    {0x78, 0xEA}, // x к
    {0x79, 0xE8}, // y и
    {0x7A, 0xE7}, // z з
    {0x41, 0xC0}, // A А
    {0x42, 0xC1}, // B Б
    {0x43, 0xD6}, // C Ц
    {0x44, 0xC4}, // D Д
    {0x45, 0xC5}, // E Е
    {0x46, 0xD4}, // F Ф
    {0x47, 0xC3}, // G Г
    {0x48, 0xD5}, // H Х
    {0x49, 0xC8}, // I И
    {0x4A, 0xC6}, // J Ж
    {0x4B, 0xCA}, // K К
    {0x4C, 0xCB}, // L Л
    {0x4D, 0xCC}, // M М
    {0x4E, 0xCD}, // N Н
    {0x4F, 0xCE}, // O О
    {0x50, 0xCF}, // P П
    {0x51, 0xCA}, // Q К
    {0x52, 0xD0}, // R Р
    {0x53, 0xD1}, // S С
    {0x54, 0xD2}, // T Т
    {0x55, 0xD3}, // U У
    {0x56, 0xC2}, // V В
    {0x57, 0xC2}, // W В
    {0x58, 0xD5}, // X Х
    {0x59, 0xC8}, // Y И
    {0x5A, 0xC7}, // Z З
    {0x60, 0xFC}, // ` ь
};

// Cyrillic letters to Latin ones: the lower-case rows, then the upper-case
// rows in the same order. й, ч, ш, щ, я and their capitals have no row and
// stay Cyrillic; both signs of either case become the grave accent.
constexpr LetterPair kRussianToEnglish[] = {
    {0xE0, 0x61}, // а a
    {0xE1, 0x62}, // б b
    {0xE2, 0x76}, // в v
    {0xE3, 0x67}, // г g
    {0xE4, 0x64}, // д d
    {0xE5, 0x65}, // е e
    {0xB8, 0x65}, // ё e
    {0xE6, 0x6A}, // ж j
    {0xE7, 0x7A}, // з z
    {0xE8, 0x69}, // и i
    {0xEA, 0x6B}, // к k
    {0xEB, 0x6C}, // л l
    {0xEC, 0x6D}, // м m
    {0xED, 0x6E}, // н n
    {0xEE, 0x6F}, // о o
    {0xEF, 0x70}, // п p
    {0xF0, 0x72}, // р r
    {0xF1, 0x73}, // с s
    {0xF2, 0x74}, // т t
    {0xF3, 0x75}, // у u
    {0xF4, 0x66}, // ф f
    {0xF5, 0x78}, // х x
    {0xF6, 0x63}, // ц c
    {0xFA, 0x60}, // ъ `
    {0xFB, 0x79}, // ы y
    {0xFC, 0x60}, // ь `
    {0xFD, 0x65}, // э e
    {0xFE, 0x75}, // ю u
    {0xC0, 0x41}, // А A
    {0xC1, 0x42}, // Б B
    {0xC2, 0x56}, // В V
    {0xC3, 0x47}, // Г G
    {0xC4, 0x44}, // Д D
    {0xC5, 0x45}, // Е E
    {0xA8, 0x45}, // Ё E
    {0xC6, 0x4A}, // Ж J
    {0xC7, 0x5A}, // З Z
    {0xC8, 0x49}, // И I
    {0xCA, 0x4B}, // К K
    {0xCB, 0x4C}, // Л L
    {0xCC, 0x4D}, // М M
    {0xCD, 0x4E}, // Н N
    {0xCE, 0x4F}, // О O
    {0xCF, 0x50}, // П P
    {0xD0, 0x52}, // Р R
    {0xD1, 0x53}, // С S
    {0xD2, 0x54}, // Т T
    {0xD3, 0x55}, // У U
    {0xD4, 0x46}, // Ф F
    {0xD5, 0x58}, // Х X
    {0xD6, 0x43}, // Ц C
    {0xDA, 0x60}, // Ъ `
    {0xDB, 0x59}, // Ы Y
    {0xDC, 0x60}, // Ь `
    {0xDD, 0x45}, // Э E
    {0xDE, 0x55}, // Ю U
};

static_assert(std::size(kEnglishToRussian) == 53);
static_assert(std::size(kRussianToEnglish) == 56);

// A character changes at most once only if no source repeats and no target
// is also a source; only then is one lookup per character the whole story.
constexpr bool changesOnce(std::span<const LetterPair> pairs) {
    for (std::size_t i = 0; i < pairs.size(); ++i)
        for (std::size_t j = 0; j < pairs.size(); ++j)
            if ((i != j && pairs[i].source == pairs[j].source) ||
                pairs[i].target == pairs[j].source)
                return false;
    return true;
}
static_assert(changesOnce(kEnglishToRussian));
static_assert(changesOnce(kRussianToEnglish));

// Each byte value run through the pairs in table order, the way a character
// of the text is tested, so the map gives what the ordered tests would.
constexpr ByteMap compile(std::span<const LetterPair> pairs) {
    ByteMap::Table table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte) {
        auto c = static_cast<unsigned char>(byte);
        for (const LetterPair& pair : pairs)
            if (c == pair.source)
                c = pair.target;
        table[byte] = c;
    }
    return ByteMap(table);
}

constexpr ByteMap kEnglishToRussianMap = compile(kEnglishToRussian);
constexpr ByteMap kRussianToEnglishMap = compile(kRussianToEnglish);

const ByteMap& mapOf(Transliteration table) {
    return table == Transliteration::EnglishToRussian ? kEnglishToRussianMap : kRussianToEnglishMap;
}
} // namespace

std::span<const LetterPair> letterPairs(Transliteration table) {
    if (table == Transliteration::EnglishToRussian)
        return kEnglishToRussian;
    return kRussianToEnglish;
}

std::string transliterate(std::string_view text, Transliteration table) {
    // Copying first and mapping in place is faster than mapping into a
    // fresh buffer: the copy streams, and the map then works in the cache.
    std::string result(text);
    transliterateInPlace(result, table);
    return result;
}

void transliterateInPlace(std::string& text, Transliteration table) {
    mapOf(table).apply(text.data(), text.data(), text.size());
}

} // namespace quolan
