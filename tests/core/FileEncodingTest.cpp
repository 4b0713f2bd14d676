#include "core/text/FileEncoding.h"

#include <gtest/gtest.h>
#include <string>

namespace quolan {
namespace {

using E = FileEncoding;
using namespace std::string_literals;

struct Row {
    const char* name;
    std::string bytes;
    E encoding;
    std::string text;
    bool binary = false;
    bool writtenBackAsRead = false;
};

const Row kRows[] = {
    {"empty", "", E::Windows1251, ""},
    {"ascii", "[b]post[/b]\r\n", E::Windows1251, "[b]post[/b]\r\n"},
    {"utf8Cyrillic", "\xD0\x9F\xD1\x80\xD0\xB8\n", E::Utf8, "\xCF\xF0\xE8\n", false, true},
    {"utf8Mark", "\xEF\xBB\xBFok", E::Utf8Bom, "ok", false, true},
    {"utf8BeyondCodePage", "\xF0\x9F\x98\x80 \xC3\xBC &#1040;", E::Utf8, "&#128512; &#252; &#1040;",
     false, true},
    {"cp1251Cyrillic", "\xCF\xF0\xE8\xE2\xE5\xF2", E::Windows1251, "\xCF\xF0\xE8\xE2\xE5\xF2"},
    {"overlongIsNotUtf8", "\xC0\xAF\xD0\x9F", E::Windows1251, "\xC0\xAF\xD0\x9F"},
    {"encodedSurrogateIsNotUtf8", "\xED\xA0\x80\xD0\x9F", E::Windows1251, "\xED\xA0\x80\xD0\x9F"},
    // "Рђ" in the code page is also valid UTF-8 for "А": read as UTF-8.
    {"cp1251LookingLikeUtf8", "\xD0\x90", E::Utf8, "\xC0", false, true},
    {"cutMidSequence", "\xD0\x9F\xD1", E::Utf8, "\xCF&#65533;"},
    {"cutOnlySequence", "ab\xD1", E::Windows1251, "ab\xD1"},
    {"invalidAfterMark", "\xEF\xBB\xBF\xFF\xE2\x82z", E::Utf8Bom, "&#65533;&#65533;z"},
    {"utf16LE", "\xFF\xFE\x1F\x04\x0D\x00\x0A\x00"s, E::Utf16LE, "\xCF\r\n", false, true},
    {"utf16BEPair", "\xFE\xFF\xD8\x3D\xDE\x00\x00\x41"s, E::Utf16BE, "&#128512;A", false, true},
    {"utf16LoneSurrogates", "\xFF\xFE\x00\xD8\x41\x00\x00\xDC"s, E::Utf16LE, "&#55296;A&#56320;",
     false, true},
    {"utf16OddByte", "\xFF\xFE\x41\x00\x42"s, E::Utf16LE, "A&#65533;"},
    {"utf16Nul", "\xFF\xFE\x41\x00\x00\x00"s, E::Utf16LE, "A\0"s, true},
    {"nul", "text\0more"s, E::Windows1251, "text\0more"s, true},
    {"controls", "\x1B\x01\x02 ab\x7F\x03\xD0\x9F", E::Utf8, "\x1B\x01\x02 ab\x7F\x03\xCF", true},
    {"fewControls", "\x1B[1mbold\x1B[0m and more words", E::Windows1251,
     "\x1B[1mbold\x1B[0m and more words"},
};

class Detection : public ::testing::TestWithParam<Row> {};

TEST_P(Detection, readsTheEncodingAndTheTextAndWritesItBack) {
    const Row& row = GetParam();
    const DecodedFile file = decodeFile(row.bytes);
    EXPECT_EQ(file.encoding, row.encoding);
    EXPECT_EQ(file.text, row.text);
    EXPECT_EQ(file.looksBinary, row.binary);
    if (row.writtenBackAsRead) {
        EXPECT_EQ(encodeFile(file.text, file.encoding), row.bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(FileEncoding, Detection, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& p) {
                             return std::string(p.param.name);
                         });

TEST(FileEncoding, onlyReferencesReadingMakesTurnBackIntoCharacters) {
    // A code page character, a leading zero and half a pair stay text in
    // UTF-8; UTF-16 takes the half pair back as it came.
    const std::string post = "&#1040; &#0252; &#252; &#55296; &#1114112; &#9;";
    EXPECT_EQ(encodeFile(post, E::Utf8), "&#1040; &#0252; \xC3\xBC &#55296; &#1114112; &#9;");
    EXPECT_EQ(encodeFile("&#55296;", E::Utf16BE), "\xFE\xFF\xD8\x00"s);
    EXPECT_EQ(encodeFile("\xCF", E::Windows1251), "\xCF");
}

TEST(FileEncoding, everyEncodingHasAKeyThatNamesItBack) {
    for (const E e : {E::Windows1251, E::Utf8, E::Utf8Bom, E::Utf16LE, E::Utf16BE})
        EXPECT_EQ(encodingForKey(encodingKey(e)), e) << encodingName(e);
    EXPECT_FALSE(encodingForKey("koi8-r"));
}

} // namespace
} // namespace quolan
