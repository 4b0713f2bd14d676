#include "core/text/Windows1251.h"

#include "core/text/PlatformText.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace quolan {
namespace {

std::string everyByte() {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    return all;
}

TEST(Windows1251, everyByteDecodesToItsOwnCharacterAndBack) {
    std::set<char16_t> seen;
    for (int b = 0; b < 256; ++b) {
        const char16_t c = cp1251::decode(static_cast<unsigned char>(b));
        EXPECT_TRUE(seen.insert(c).second) << "byte " << b << " shares its character";
        const auto back = cp1251::encode(c);
        ASSERT_TRUE(back.has_value()) << "byte " << b;
        EXPECT_EQ(*back, b);
    }
}

TEST(Windows1251, knownCharacters) {
    struct Row {
        unsigned char byte;
        char16_t character;
    };
    const Row rows[] = {
        {0x41, u'A'}, {0xC0, u'А'}, {0xDF, u'Я'}, {0xE0, u'а'},      {0xFF, u'я'},
        {0xA8, u'Ё'}, {0xB8, u'ё'}, {0x88, u'€'}, {0xB9, u'№'},      {0x96, u'–'},
        {0x97, u'—'}, {0xAB, u'«'}, {0xBB, u'»'}, {0xA0, u'\u00A0'}, {0x98, u'\u0098'},
        {0x80, u'Ђ'}, {0xA5, u'Ґ'}, {0xB4, u'ґ'}, {0x99, u'™'},      {0x85, u'…'},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(cp1251::decode(row.byte), row.character) << int(row.byte);
        EXPECT_EQ(cp1251::encode(row.character), row.byte) << int(row.byte);
    }
}

TEST(Windows1251, charactersOutsideTheCodePageHaveNoByte) {
    for (const char32_t c : {U'ü', U'ß', U'é', U'\u20AD', U'\u2028', U'😀', U'\u0081'})
        EXPECT_FALSE(cp1251::encode(c).has_value()) << static_cast<unsigned>(c);
}

TEST(PlatformText, everyByteSurvivesDisplayAndBack) {
    // Line-break bytes aside, display text turns back into the same bytes.
    std::string all = everyByte();
    std::erase_if(all, [](char c) { return c == '\r' || c == '\n'; });
    EXPECT_EQ(fromPlatform(toDisplay(all)), all);
    EXPECT_EQ(toDisplay(all).size(), all.size());
}

TEST(PlatformText, displayShowsPairsAsSeparatorsAndLoneBreaksAsGlyphs) {
    EXPECT_EQ(toDisplay("a\r\nb"), u"a\u2029b");
    EXPECT_EQ(toDisplay("a\rb\nc"), u"a\u240Db\u240Ac");
    EXPECT_EQ(toDisplay("\r\r\n\n"), u"\u240D\u2029\u240A");
    EXPECT_EQ(toDisplay(std::string("x\0y", 3)), std::u16string(u"x\0y", 3));
}

TEST(PlatformText, platformLineBreaksAllBecomeCrLf) {
    EXPECT_EQ(fromPlatform(u"a\nb\r\nc\rd\u2029e\u2028f"), "a\r\nb\r\nc\r\nd\r\ne\r\nf");
    EXPECT_EQ(fromPlatform(u"\r\r\n\n"), "\r\n\r\n\r\n");
}

TEST(PlatformText, charactersOutsideTheCodePageBecomeNumericReferences) {
    EXPECT_EQ(fromPlatform(u"Müller"), "M&#252;ller");
    EXPECT_EQ(fromPlatform(u"😀!"), "&#128512;!");   // a surrogate pair is one character
    EXPECT_EQ(fromPlatform(u"\xD83D"), "&#65533;"); // half a pair
    EXPECT_EQ(fromPlatform(u"x\xDE00y"), "x&#65533;y");
    EXPECT_EQ(fromPlatform(u"Привет"), "\xCF\xF0\xE8\xE2\xE5\xF2");
    EXPECT_EQ(fromPlatform(u"&#252;"), "&#252;"); // typed references stay as typed
}

TEST(PlatformText, clipboardTextUsesNewlines) {
    EXPECT_EQ(toPlatform("a\r\nb\rc\nd"), u"a\nb\nc\nd");
    EXPECT_EQ(toPlatform("\xCF\xF0\xE8\xE2\xE5\xF2"), u"Привет");
}

} // namespace
} // namespace quolan
