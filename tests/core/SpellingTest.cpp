#include "core/spell/HunspellChecker.h"
#include "core/spell/Speller.h"
#include "core/spell/TextCodes.h"
#include "core/spell/WordSplitter.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace quolan::spell {
namespace {

// Test texts are written in UTF-8 and handed over as the post's code page.
std::string post(std::string_view utf8) {
    const auto text = utf8ToCp1251(utf8);
    EXPECT_TRUE(text) << utf8;
    return text.value_or(std::string());
}

// The words found, as "word/ru word/en ...", in UTF-8.
std::string words(std::string_view utf8, Region start = Region::Prose) {
    const std::string text = post(utf8);
    std::string out;
    splitWords(text, start, [&](const Word& word) {
        // Piece by piece: GCC 12 warns falsely about a chain of string sums.
        if (!out.empty())
            out += ' ';
        out += cp1251ToUtf8(text.substr(word.position, word.length));
        out += word.script == Script::Russian ? "/ru" : "/en";
    });
    return out;
}

TEST(WordSplitter, findsProseWordsAndSkipsEverythingElse) {
    const struct {
        const char* text;
        const char* words;
    } rows[] = {
        {"Привет, world!", "Привет/ru world/en"},
        {"[b]жирный[/b] [color=red]красный[/color] [font=Times New Roman]шрифт[/font]",
         "жирный/ru красный/ru шрифт/ru"},
        {"[URL=http://example.org/page]ссылка[/url] [size=3]big[/size]", "ссылка/ru big/en"},
        {"[url]http://example.org/some words[/url] after", "after/en"},
        {"[IMG]picture here.png[/IMG] [email]me at example[/email] ok", "ok/en"},
        {"see www.example.org and http://a.b/c?d=e or mail me@host.ru.",
         "see/en and/en or/en mail/en"},
        {"ну :rolleyes: ладно :) ;)", "ну/ru ладно/ru"},
        {"caf&#233; &#8212; слово", "слово/ru"},
        {"в 1998 году 2й mp3", "в/ru году/ru"},
        {"пpивет Brennowский", "пpивет/ru Brennowский/en"},
        {"до [code]int x = 1;\r\nfoo bar[/code] после [php]echo $x;[/php] конец",
         "до/ru после/ru конец/ru"},
        {"кто-то don't -нет- 'quoted'", "кто-то/ru don't/en нет/ru quoted/en"},
        {"[смеётся] [sic] [b", "смеётся/ru sic/en b/en"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(words(row.text), row.words) << row.text;
}

TEST(WordSplitter, carriesARegionOfNoProseAcrossParagraphs) {
    const std::string first = post("текст [code]x");
    EXPECT_EQ(splitWords(first, Region::Prose, [](const Word&) {}), Region::Code);
    EXPECT_EQ(words("y z", Region::Code), "");
    EXPECT_EQ(words("y[/CODE] да", Region::Code), "да/ru");
    EXPECT_EQ(words("a.png[/img] b", Region::Image), "b/en");
}

// The system's dictionaries, loaded once for these tests.
std::shared_ptr<HunspellChecker> systemChecker() {
    static const auto checker = std::make_shared<HunspellChecker>(systemDictionaryFolders());
    return checker;
}

bool contains(const std::vector<std::string>& list, std::string_view utf8) {
    return std::find(list.begin(), list.end(), post(utf8)) != list.end();
}

TEST(Speller, checksEachScriptAgainstItsDictionaryAndSuggests) {
    Speller speller(systemChecker());
    ASSERT_TRUE(speller.hasDictionary(Script::Russian) && speller.hasDictionary(Script::English));
    EXPECT_FALSE(speller.isMisspelt(post("молоко"), Script::Russian));
    EXPECT_TRUE(speller.isMisspelt(post("малоко"), Script::Russian));
    EXPECT_FALSE(speller.isMisspelt("knight", Script::English));
    EXPECT_TRUE(speller.isMisspelt("swrod", Script::English));
    // A Latin letter among Cyrillic ones is no Russian word.
    EXPECT_TRUE(speller.isMisspelt(post("пpивет"), Script::Russian));

    const auto russian = speller.suggestions(post("карова"), Script::Russian);
    EXPECT_TRUE(contains(russian, "корова"));
    EXPECT_LE(russian.size(), Speller::kMostSuggestions);
    EXPECT_TRUE(contains(speller.suggestions("teh", Script::English), "the"));
}

TEST(Speller, ownWordsAndIgnoredWordsAreNeverMisspelt) {
    Speller speller(systemChecker());
    ASSERT_TRUE(speller.isMisspelt("Brennow", Script::English)); // a verdict now remembered
    const std::string file = Speller::personalLine(post("Бреннов")) + "Brennow\r\n\n";
    speller.setPersonalWords(file);
    EXPECT_FALSE(speller.isMisspelt("Brennow", Script::English));
    EXPECT_FALSE(speller.isMisspelt(post("Бреннов"), Script::Russian));
    EXPECT_EQ(Speller::personalLine(post("ёж")), "ёж\n"); // the file is UTF-8

    speller.addPersonalWord("Zion");
    EXPECT_FALSE(speller.isMisspelt("Zion", Script::English));
    speller.ignore(post("малоко"));
    EXPECT_FALSE(speller.isMisspelt(post("малоко"), Script::Russian));
    speller.forgetIgnored();
    EXPECT_TRUE(speller.isMisspelt(post("малоко"), Script::Russian));
    speller.setPersonalWords("");
    EXPECT_TRUE(speller.isMisspelt("Brennow", Script::English));
}

// The Russian dictionary as an older package wrote it, in KOI8-R.
TEST(Speller, readsADictionaryInTheEncodingItDeclares) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quolan-koi8-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    for (const char* extension : {".aff", ".dic"}) {
        std::ifstream in(std::filesystem::path("/usr/share/hunspell") /
                         (std::string("ru_RU") + extension));
        ASSERT_TRUE(in) << "hunspell-ru is not installed";
        std::ofstream out(folder / (std::string("ru_RU") + extension));
        std::string line;
        while (std::getline(in, line)) {
            if (line.rfind("SET ", 0) == 0)
                line = "SET KOI8-R";
            const auto inPost = utf8ToCp1251(line);
            ASSERT_TRUE(inPost) << line;
            const auto koi8 = toDictionary(*inPost, "KOI8-R");
            ASSERT_TRUE(koi8) << line;
            out << *koi8 << '\n';
        }
    }
    const std::filesystem::path folders[] = {folder};
    Speller speller(std::make_shared<HunspellChecker>(folders));
    EXPECT_FALSE(speller.hasDictionary(Script::English));
    EXPECT_FALSE(speller.isMisspelt(post("Ёлка"), Script::Russian));
    EXPECT_TRUE(speller.isMisspelt(post("малоко"), Script::Russian));
    EXPECT_TRUE(contains(speller.suggestions(post("карова"), Script::Russian), "корова"));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace quolan::spell
