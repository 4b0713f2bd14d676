#include "core/convert/Transliteration.h"

#include "core/text/PlatformText.h"

#include <array>
#include <cstddef>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace quolan {
namespace {

using enum Transliteration;

std::string cp1251(std::u16string_view text) {
    return fromPlatform(text);
}

// Each table written out as its sources and their targets, character by
// character, in the order the pairs are tested.
struct TableText {
    Transliteration table;
    std::u16string_view sources;
    std::u16string_view targets;
};

constexpr TableText kTables[] = {
    {EnglishToRussian, u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ`",
     u"абцдефгхижклмнопкрстуввкизАБЦДЕФГХИЖКЛМНОПКРСТУВВХИЗь"},
    {RussianToEnglish, u"абвгдеёжзиклмнопрстуфхцъыьэюАБВГДЕЁЖЗИКЛМНОПРСТУФХЦЪЫЬЭЮ",
     u"abvgdeejziklmnoprstufxc`y`euABVGDEEJZIKLMNOPRSTUFXC`Y`EU"},
};

TEST(Transliteration, tablesHoldTheirPairsInOrder) {
    for (const TableText& expected : kTables) {
        const std::string sources = cp1251(expected.sources);
        const std::string targets = cp1251(expected.targets);
        const auto pairs = letterPairs(expected.table);
        ASSERT_EQ(pairs.size(), sources.size());
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            EXPECT_EQ(pairs[i].source, static_cast<unsigned char>(sources[i])) << i;
            EXPECT_EQ(pairs[i].target, static_cast<unsigned char>(targets[i])) << i;
        }
    }
    EXPECT_EQ(letterPairs(EnglishToRussian).size(), 53U);
    EXPECT_EQ(letterPairs(RussianToEnglish).size(), 56U);
}

TEST(Transliteration, everyByteValueMapsToItsTargetOrStays) {
    for (const TableText& expected : kTables) {
        const std::string sources = cp1251(expected.sources);
        const std::string targets = cp1251(expected.targets);
        std::string all;
        std::string want;
        for (int value = 0; value < 256; ++value) {
            const char byte = static_cast<char>(value);
            const std::size_t at = sources.find(byte);
            all += byte;
            want += at == std::string::npos ? byte : targets[at];
        }
        // One character at a time and all of them in one text.
        for (std::size_t i = 0; i < all.size(); ++i)
            EXPECT_EQ(transliterate(all.substr(i, 1), expected.table), want.substr(i, 1))
                << "byte " << i;
        EXPECT_EQ(transliterate(all, expected.table), want);
        std::string inPlace = all;
        transliterateInPlace(inPlace, expected.table);
        EXPECT_EQ(inPlace, want);
    }
}

struct Example {
    Transliteration table;
    std::u16string_view input;
    std::u16string_view output;
};

TEST(Transliteration, convertsLetterByLetterKeepingEverythingElse) {
    const Example examples[] = {
        {EnglishToRussian, u"Privet", u"Привет"},
        {EnglishToRussian, u"Chto", u"Цхто"}, // never two letters at once
        {EnglishToRussian, u"xX", u"кХ"},
        {EnglishToRussian, u"a", u"а"},
        {EnglishToRussian, u"qk vw iy `", u"кк вв ии ь"},
        {EnglishToRussian, u"Line 1,\r\nline 2!", u"Лине 1,\r\nлине 2!"},
        {EnglishToRussian, u"уже", u"уже"},
        {EnglishToRussian, u"", u""},
        {RussianToEnglish, u"Щука", u"Щuka"},
        {RussianToEnglish, u"Яблоко", u"Яbloko"},
        {RussianToEnglish, u"ёж", u"ej"},
        {RussianToEnglish, u"Эхо", u"Exo"},
        {RussianToEnglish, u"йчшщя ЙЧШЩЯ", u"йчшщя ЙЧШЩЯ"},
        {RussianToEnglish, u"ъЪьЬ", u"````"},
        {RussianToEnglish, u"Юла, 2 [b]шар[/b]\r\n", u"Ula, 2 [b]шar[/b]\r\n"},
        {RussianToEnglish, u"", u""},
    };
    for (const Example& example : examples) {
        const std::string input = cp1251(example.input);
        const std::string output = transliterate(input, example.table);
        EXPECT_EQ(output, cp1251(example.output)) << output;
        EXPECT_EQ(output.size(), input.size());
    }
}

TEST(Transliteration, lettersOutsideTheRussianTableSurviveBothWays) {
    const std::pair<std::u16string_view, std::u16string_view> examples[] = {
        {u"ёж", u"еж"},
        {u"щи", u"щи"},
        {u"Чашка", u"Чашка"},
    };
    for (const auto& [input, output] : examples)
        EXPECT_EQ(transliterate(transliterate(cp1251(input), RussianToEnglish), EnglishToRussian),
                  cp1251(output));
}

} // namespace
} // namespace quolan
