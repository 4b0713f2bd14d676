#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quolan {

// The two fixed letter-for-letter transliterations of the Windows-1251 code
// page. Each replaces a character by exactly one character, so a text never
// changes its length.
enum class Transliteration { EnglishToRussian, RussianToEnglish };

struct LetterPair {
    unsigned char source;
    unsigned char target;
};

// The table's pairs in the order they are tested.
std::span<const LetterPair> letterPairs(Transliteration table);

// Every character that is a source of the table becomes its target; all
// others pass unchanged.
std::string transliterate(std::string_view text, Transliteration table);
void transliterateInPlace(std::string& text, Transliteration table);

} // namespace quolan
