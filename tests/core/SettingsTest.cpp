#include "core/settings/FirstTick.h"
#include "core/settings/IniStore.h"
#include "core/settings/IniText.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsLocation.h"
#include "core/settings/WindowSettings.h"
#include "support/FakeFiles.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace quolan {
namespace {

using testing::FakeFiles;

const std::string kPath = "/cfg/quolan.INI";

struct Store {
    explicit Store(std::string content = {}, bool exists = true) {
        if (exists)
            files.files[kPath] = std::move(content);
    }
    std::string file() const { return files.files.at(kPath); }

    FakeFiles files;
    std::vector<std::string> messages;
    IniStore ini{files, kPath, [this](std::string_view m) { messages.emplace_back(m); }};
};

// --- Reading ---------------------------------------------------------------

struct LookupCase {
    const char* file;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

class IniLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(IniLookup, findsTheValueAsProfileFunctionsDo) {
    const LookupCase& c = GetParam();
    EXPECT_EQ(ini::find(c.file, c.section, c.key), c.expected) << c.file;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniLookup,
    ::testing::Values(
        // Latin names in any case.
        LookupCase{"[SIZE]\r\ntop=5\r\n", "Size", "Top", "5"},
        LookupCase{"[size]\r\nTOP=5\r\n", "sIzE", "tOp", "5"},
        // Windows-1251 Cyrillic names: А/а, Я/я, Ё/ё, Ґ/ґ, Ў/ў, Ї/ї fold together.
        LookupCase{"[\xD8\xD0\xC8\xD4\xD2]\r\n\xC8\xCC\xDF=1\r\n", "\xF8\xF0\xE8\xF4\xF2",
                   "\xE8\xEC\xFF", "1"},
        LookupCase{"[\xA8\xA5\xA1\xAF]\r\nk=2\r\n", "\xB8\xB4\xA2\xBF", "K", "2"},
        // Letters that are not the same letter stay apart (Е is not Ё).
        LookupCase{"[\xC5]\r\nk=3\r\n", "\xB8", "k", std::nullopt},
        // The first of duplicate keys, and the first of duplicate sections, wins.
        LookupCase{"[Size]\r\nTop=1\r\ntop=2\r\n", "Size", "Top", "1"},
        LookupCase{"[Size]\r\nLeft=1\r\n[Size]\r\nTop=2\r\n", "Size", "Top", std::nullopt},
        // Blanks around names and values go; matching quotes go.
        LookupCase{"  [ Font ]  \r\n  Name  =  Arial  \r\n", "Font", "Name", "Arial"},
        LookupCase{"[Font]\r\nName=\"Times New Roman\"\r\n", "Font", "Name", "Times New Roman"},
        LookupCase{"[Font]\r\nName='x\"\r\n", "Font", "Name", "'x\""},
        // An empty value is a value.
        LookupCase{"[Font]\r\nName=\r\n", "Font", "Name", ""},
        // Comments, keys outside sections, other sections and lines without
        // "=" are no answers.
        LookupCase{"[Font]\r\n;Name=x\r\n", "Font", "Name", std::nullopt},
        LookupCase{"Name=x\r\n[Font]\r\n", "Font", "Name", std::nullopt},
        LookupCase{"[Size]\r\nName=x\r\n[Font]\r\nSize=1\r\n", "Font", "Name", std::nullopt},
        LookupCase{"[Font]\r\nName\r\n", "Font", "Name", std::nullopt},
        LookupCase{"[Font\r\nName=x\r\n", "Font", "Name", std::nullopt},
        // LF-only, CR-only and unterminated lines all read.
        LookupCase{"[A]\nk=1\n", "A", "k", "1"}, LookupCase{"[A]\rk=1\rj=2", "A", "j", "2"},
        LookupCase{"[A]\r\nk=v=w", "A", "k", "v=w"},
        // A UTF-8 byte-order mark does not hide the first section.
        LookupCase{"\xEF\xBB\xBF[A]\r\nk=1\r\n", "A", "k", "1"}));

TEST(IniLookupLimits, valuesAreCutToTheirFirst2047Characters) {
    const std::string value(5000, 'v');
    const auto found = ini::find("[A]\r\nk=" + value + "\r\n", "A", "k");
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, value.substr(0, 2047));
}

struct IntegerCase {
    const char* text;
    std::optional<int> expected;
};

class IniIntegers : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IniIntegers, parseDecimalOrHexadecimal) {
    EXPECT_EQ(ini::parseInteger(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniIntegers,
    ::testing::Values(IntegerCase{"176", 176}, IntegerCase{"-20", -20}, IntegerCase{"+7", 7},
                      IntegerCase{"0x20", 32}, IntegerCase{"0X1f", 31}, IntegerCase{"$FF", 255},
                      IntegerCase{"$7FFFFFFF", 2147483647}, IntegerCase{"2147483647", 2147483647},
                      IntegerCase{"-2147483648", -2147483647 - 1}, IntegerCase{"007", 7},
                      IntegerCase{"abc", std::nullopt}, IntegerCase{"", std::nullopt},
                      IntegerCase{"12a", std::nullopt}, IntegerCase{"1 2", std::nullopt},
                      IntegerCase{"0x", std::nullopt}, IntegerCase{"$", std::nullopt},
                      IntegerCase{"-", std::nullopt}, IntegerCase{"--1", std::nullopt},
                      IntegerCase{"-0x10", std::nullopt}, IntegerCase{"0xG", std::nullopt},
                      IntegerCase{"2147483648", std::nullopt},
                      IntegerCase{"$80000000", std::nullopt},
                      IntegerCase{"99999999999999999999999", std::nullopt},
                      IntegerCase{"1.5", std::nullopt}));

TEST(IniStoreRead, missingOrUnreadableFilesAndBadValuesGiveTheDefault) {
    Store missing({}, false);
    EXPECT_EQ(missing.ini.readInteger("Size", "Top", 176), 176);
    EXPECT_EQ(missing.ini.readString("Font", "Name", "dflt"), "dflt");

    Store stored("[Size]\r\nTop=0x20\r\nLeft=abc\r\n");
    EXPECT_EQ(stored.ini.readInteger("size", "top", 176), 32);
    EXPECT_EQ(stored.ini.readInteger("Size", "Left", 276), 276);

    Store locked("[Size]\r\nTop=5\r\n");
    locked.files.unreadable.insert(kPath);
    EXPECT_EQ(locked.ini.readInteger("Size", "Top", 176), 176);
}

TEST(IniStoreRead, everyReadLooksAtTheFileAnew) {
    Store store("[A]\r\nk=1\r\n");
    EXPECT_EQ(store.ini.readString("A", "k"), "1");
    store.files.files[kPath] = "[A]\r\nk=2\r\n";
    EXPECT_EQ(store.ini.readString("A", "k"), "2");
}

// --- Writing ---------------------------------------------------------------

struct WriteCase {
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

class IniWrites : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWrites, changeOnlyTheKeyWritten) {
    const WriteCase& c = GetParam();
    EXPECT_EQ(ini::withValue(c.before, c.section, c.key, c.value), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniWrites,
    ::testing::Values(
        WriteCase{"replacesInPlaceKeepingCommentsAndLayout",
                  "; mine\r\n[size]\r\n  TOP = 5  ; not a comment\r\nOther=x\r\n\r\n[Font]\r\n",
                  "Size", "Top", "176",
                  "; mine\r\n[size]\r\n  TOP = 176\r\nOther=x\r\n\r\n[Font]\r\n"},
        WriteCase{"replacesOnlyTheFirstOfDuplicates", "[A]\r\nk=1\r\nk=2\r\n", "A", "K", "9",
                  "[A]\r\nk=9\r\nk=2\r\n"},
        WriteCase{"addsAKeyAfterTheLastEntryOfItsSection",
                  "[Size]\r\nTop=1\r\n\r\n; next\r\n[Font]\r\nName=x\r\n", "Size", "Left", "2",
                  "[Size]\r\nTop=1\r\nLeft=2\r\n\r\n; next\r\n[Font]\r\nName=x\r\n"},
        WriteCase{"addsAKeyToAnEmptySection", "[Size]\r\n[Font]\r\n", "Size", "Top", "1",
                  "[Size]\r\nTop=1\r\n[Font]\r\n"},
        WriteCase{"addsASectionAtTheEnd", "[Size]\r\nTop=1\r\n", "Font", "Name", "Arial",
                  "[Size]\r\nTop=1\r\n[Font]\r\nName=Arial\r\n"},
        WriteCase{"createsTheFile", "", "Size", "Top", "176", "[Size]\r\nTop=176\r\n"},
        WriteCase{"breaksAnUnterminatedLastLine", "[Size]\r\nTop=1", "Size", "Left", "2",
                  "[Size]\r\nTop=1\r\nLeft=2\r\n"},
        WriteCase{"followsTheFilesLineBreaks", "[Size]\nTop=1\n", "Font", "Name", "A",
                  "[Size]\nTop=1\n[Font]\nName=A\n"},
        WriteCase{"keepsCrOnlyBreaks", "[Size]\rTop=1\r", "Size", "Top", "2", "[Size]\rTop=2\r"},
        WriteCase{"neverWritesLineBreaksOfAValue", "", "Font", "Name", "a\r\n[Size]\r\nTop=9",
                  "[Font]\r\nName=a[Size]Top=9\r\n"},
        WriteCase{"keepsTheByteOrderMark", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "A", "k", "2",
                  "\xEF\xBB\xBF[A]\r\nk=2\r\n"}),
    [](const ::testing::TestParamInfo<WriteCase>& p) { return p.param.name; });

TEST(IniWriteRoundTrip, blanksAndQuotesOfAValueReadBackAndRewritingChangesNothing) {
    for (const std::string value :
         {" Sans ", "\tx", "y ", "  ", "\"a\"", "'b'", "\" \"", "\"", "'c\"", "Times New Roman"}) {
        std::string file = "[Font]\r\nName=Arial\r\n";
        std::vector<std::size_t> sizes;
        for (int write = 0; write < 4; ++write) {
            file = ini::withValue(file, "Font", "Name", value);
            sizes.push_back(file.size());
        }
        EXPECT_EQ(ini::find(file, "Font", "Name"), value) << file;
        EXPECT_EQ(sizes, std::vector<std::size_t>(4, sizes.front())) << file;
        EXPECT_EQ(ini::find(ini::withValue("", "Font", "Name", value), "Font", "Name"), value);
    }
}

TEST(IniWriteRoundTrip, anEntryThatAlreadyReadsAsTheValueKeepsItsBytes) {
    const std::string quoted = "[Font]\r\n  Name =  \"Arial\"  \r\n";
    EXPECT_EQ(ini::withValue(quoted, "Font", "Name", "Arial"), quoted);
    const std::string longValue = "[A]\r\nk=" + std::string(3000, 'v') + "\r\n";
    EXPECT_EQ(ini::withValue(longValue, "A", "k", *ini::find(longValue, "A", "k")), longValue);
    EXPECT_EQ(ini::withValue(quoted, "Font", "Name", "Arial "),
              "[Font]\r\n  Name =  \"Arial \"  \r\n");
}

TEST(IniStoreWrite, writesThroughAndReadsBack) {
    Store store({}, false);
    EXPECT_TRUE(store.ini.writeInteger("Size", "Top", -12));
    EXPECT_TRUE(store.ini.writeString("Font", "Name", "Arial"));
    EXPECT_EQ(store.file(), "[Size]\r\nTop=-12\r\n[Font]\r\nName=Arial\r\n");
    EXPECT_EQ(store.ini.readInteger("Size", "Top", 0), -12);
    EXPECT_TRUE(store.messages.empty());
}

TEST(IniStoreWrite, aRefusedWriteIsReportedAndLeavesTheFileAsItWas) {
    Store store("; keep\r\n[Size]\r\nTop=1\r\n");
    store.files.readOnlyFolders.insert("/cfg");
    EXPECT_FALSE(store.ini.writeInteger("Size", "Top", 2));
    EXPECT_EQ(store.file(), "; keep\r\n[Size]\r\nTop=1\r\n");
    EXPECT_EQ(store.messages, std::vector<std::string>{"Unable to write to /cfg/quolan.INI"});
}

TEST(IniStoreWrite, aFileThatExistsButCannotBeReadIsNotOverwritten) {
    Store store("[Language]\r\nInstalled=None\r\n");
    store.files.unreadable.insert(kPath);
    EXPECT_FALSE(store.ini.writeString("Font", "Name", "x"));
    EXPECT_TRUE(store.files.attempts.empty());
    EXPECT_EQ(store.messages.size(), 1U);
}

// --- Bad settings files ----------------------------------------------------

std::string garbage(std::size_t size) {
    std::mt19937 random(7);
    std::string bytes(size, '\0');
    for (char& b : bytes)
        b = static_cast<char>(random() & 0xFF);
    return bytes;
}

struct BadFile {
    const char* name;
    std::string content;
};

class BadSettingsFiles : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadSettingsFiles, giveDefaultsAndSurviveTheNextWrite) {
    const std::string original = GetParam().content;
    Store store(original);
    const WindowRect builtIn{276, 176, 525, 366};
    EXPECT_EQ(readWindowGeometry(store.ini, builtIn), builtIn);

    ASSERT_TRUE(writeClosingSettings(store.ini, {1, 2, 3, 4}, "Arial"));
    const std::string after = store.file();
    EXPECT_EQ(after.substr(0, original.size()), original);
    EXPECT_EQ(readWindowGeometry(store.ini, builtIn), (WindowRect{1, 2, 3, 4}));
    EXPECT_EQ(store.ini.readString("Font", "Name"), "Arial");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadSettingsFiles,
    ::testing::Values(BadFile{"empty", ""}, BadFile{"binaryGarbage", garbage(4096)},
                      BadFile{"nulBytes", std::string("[Si\0ze]\r\nTop=5\0\r\n", 17)},
                      BadFile{"oneLineOfMegabytes", std::string(3 * 1024 * 1024, 'x')},
                      BadFile{"noLineBreaks", "[Other]k=v"},
                      BadFile{"byteOrderMarkOnly", "\xEF\xBB\xBF"},
                      BadFile{"utf16", std::string("\xFF\xFE[\0S\0i\0z\0e\0]\0", 14)}),
    [](const ::testing::TestParamInfo<BadFile>& p) { return p.param.name; });

TEST(BadSettingsFiles, crOnlyBreaksAreReadAndKept) {
    Store store("[Size]\rTop=10\r; note\r[Other]\rx=1\r");
    EXPECT_EQ(readWindowGeometry(store.ini, {276, 176, 525, 366}), (WindowRect{276, 10, 525, 366}));
    ASSERT_TRUE(store.ini.writeInteger("Size", "Left", 5));
    EXPECT_EQ(store.file(), "[Size]\rTop=10\rLeft=5\r; note\r[Other]\rx=1\r");
}

TEST(BadSettingsFiles, anOversizedFileIsNeitherReadNorReplaced) {
    const std::string huge = "[Size]\r\nTop=5\r\n" + std::string(IniStore::kFileLimit, ';');
    Store store(huge);
    EXPECT_EQ(store.ini.readInteger("Size", "Top", 176), 176);
    EXPECT_FALSE(store.ini.writeInteger("Size", "Top", 1));
    EXPECT_EQ(store.file().size(), huge.size());
}

// --- The moments the settings are used -------------------------------------

TEST(WindowGeometry, isReadInItsOrderWithTheCurrentBoundsAsDefaults) {
    Store store("[Size]\r\nTop=0x20\r\nWidth=$100\r\nHeight=abc\r\n");
    EXPECT_EQ(readWindowGeometry(store.ini, {276, 176, 525, 366}), (WindowRect{276, 32, 256, 366}));
    EXPECT_EQ(store.files.reads, 4);
}

TEST(WindowGeometry, closingWritesBoundsThenFontNameInOrder) {
    Store store({}, false);
    ASSERT_TRUE(writeClosingSettings(store.ini, {10, 20, 300, 200}, "Courier New"));
    EXPECT_EQ(store.file(),
              "[Size]\r\nTop=20\r\nLeft=10\r\nWidth=300\r\nHeight=200\r\n[Font]\r\nName=Courier "
              "New\r\n");
    EXPECT_EQ(store.files.written.size(), 5U);
}

TEST(WindowGeometry, aRefusedWriteAtCloseSkipsTheRest) {
    Store store({}, false);
    store.files.freeSpace = 20; // "[Size]\r\nTop=20\r\n" fits, the next does not
    EXPECT_FALSE(writeClosingSettings(store.ini, {10, 20, 300, 200}, "Arial"));
    EXPECT_EQ(store.files.attempts.size(), 2U);
    EXPECT_EQ(store.file(), "[Size]\r\nTop=20\r\n");
    EXPECT_EQ(store.messages, std::vector<std::string>{"Unable to write to /cfg/quolan.INI"});
}

struct PlacementCase {
    const char* name;
    WindowRect stored;
    bool keepsStored;
};

class WindowPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(WindowPlacement, onlyAWindowWhollyOffEveryScreenReturnsToItsBuiltInPlace) {
    const WindowRect builtIn{276, 176, 525, 366};
    const WindowRect screens[] = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    const WindowRect placed = placeOnScreens(GetParam().stored, builtIn, screens);
    EXPECT_EQ(placed, GetParam().keepsStored ? GetParam().stored : builtIn);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowPlacement,
    ::testing::Values(PlacementCase{"inside", {100, 100, 500, 300}, true},
                      PlacementCase{"onTheSecondScreen", {2500, 500, 500, 300}, true},
                      PlacementCase{"mostlyOffTheLeft", {-490, 100, 500, 300}, true},
                      PlacementCase{"largerThanEveryScreen", {-100, -100, 9000, 9000}, true},
                      PlacementCase{"tinyInACorner", {0, 0, 0, 0}, true},
                      PlacementCase{"justOffTheLeft", {-500, 100, 500, 300}, false},
                      PlacementCase{"belowTheSecondScreen", {2000, 1024, 500, 300}, false},
                      PlacementCase{"whereARemovedMonitorWas", {3300, 100, 500, 300}, false},
                      PlacementCase{
                          "farAway", {2147483000, 2147483000, 2147483647, 2147483647}, false},
                      PlacementCase{"farNegative", {-2147483647 - 1, 0, 1000, 10}, false}),
    [](const ::testing::TestParamInfo<PlacementCase>& p) { return p.param.name; });

TEST(WindowPlacement, withoutScreensTheBuiltInPlaceIsUsed) {
    const WindowRect builtIn{276, 176, 525, 366};
    EXPECT_EQ(placeOnScreens({1, 1, 100, 100}, builtIn, {}), builtIn);
}

struct FitCase {
    const char* name;
    WindowRect window;
    bool resizable;
    WindowRect fitted;
};

class WindowFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(WindowFit, aWindowLargerThanTheFreeAreaOfItsScreenIsFittedToIt) {
    // A panel along the first screen's bottom; the second screen to its right.
    const WindowRect areas[] = {{0, 0, 1024, 740}, {1024, 0, 800, 600}};
    EXPECT_EQ(fitOnScreens(GetParam().window, areas, GetParam().resizable), GetParam().fitted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowFit,
    ::testing::Values(
        FitCase{"fittingStaysEvenPartlyOff", {700, 600, 500, 300}, true, {700, 600, 500, 300}},
        FitCase{"doubledIsShrunk", {276, 176, 1400, 1224}, true, {0, 0, 1024, 740}},
        FitCase{"tooTallOnly", {100, 50, 500, 741}, true, {100, 0, 500, 740}},
        FitCase{"onTheSecondScreen", {1500, 100, 900, 700}, true, {1024, 0, 800, 600}},
        FitCase{"fixedKeepsItsSize", {-20, -40, 560, 800}, false, {-20, 0, 560, 800}},
        FitCase{"onNoScreenTheFirst", {5000, 5000, 3000, 200}, true, {0, 5000, 1024, 200}},
        FitCase{"farAway", {2147483000, 0, 2147483647, 10}, true, {0, 0, 1024, 10}}),
    [](const ::testing::TestParamInfo<FitCase>& p) { return p.param.name; });

struct FirstTickRun {
    explicit FirstTickRun(std::optional<std::string> stored, std::string font = {}) {
        std::string file;
        if (stored)
            file = "[Language]\r\nInstalled=" + *stored + "\r\n";
        if (!font.empty())
            file += "[Font]\r\nName=" + font + "\r\n";
        store.files.files[kPath] = file;
        runFirstTick(store.ini,
                     {
                         [this] { log.push_back("taskbar"); },
                         [this] { log.push_back("chooser"); },
                         [this](cmd::Id id) { log.emplace_back(id); },
                         [this](const std::string& name) { log.push_back("font:" + name); },
                     });
    }
    Store store;
    std::vector<std::string> log;
};

struct LanguageCase {
    const char* name;
    std::optional<std::string> stored;
    std::vector<std::string> expected;
};

class FirstTickLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(FirstTickLanguage, appliesExactlyTheStoredLanguage) {
    EXPECT_EQ(FirstTickRun(GetParam().stored).log, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirstTickLanguage,
    ::testing::Values(
        LanguageCase{"None", "None", {"taskbar", "chooser"}},
        LanguageCase{"Russian", "Russian", {"taskbar", std::string(cmd::LanguageRussian)}},
        LanguageCase{"English", "English", {"taskbar", std::string(cmd::LanguageEnglish)}},
        LanguageCase{"lowerCase", "russian", {"taskbar"}},
        LanguageCase{"lowerCaseNone", "none", {"taskbar"}}, LanguageCase{"empty", "", {"taskbar"}},
        LanguageCase{"missing", std::nullopt, {"taskbar"}}),
    [](const ::testing::TestParamInfo<LanguageCase>& p) { return p.param.name; });

TEST(FirstTickLanguage, eachStepReadsTheFileAnew) {
    // The Russian command stores what it applies; a file changed by the
    // chooser step is seen by the language steps after it.
    Store store;
    store.files.files[kPath] = "[Language]\r\nInstalled=None\r\n";
    std::vector<std::string> log;
    runFirstTick(store.ini, {
                                {},
                                [&] { store.ini.writeString("Language", "Installed", "English"); },
                                [&](cmd::Id id) { log.emplace_back(id); },
                                {},
                            });
    EXPECT_EQ(log, std::vector<std::string>{std::string(cmd::LanguageEnglish)});
}

TEST(FirstTickFont, replacesTheNameCutTo31CharactersOrLeavesItWhenEmpty) {
    EXPECT_EQ(FirstTickRun(std::nullopt, "Liberation Serif").log,
              (std::vector<std::string>{"taskbar", "font:Liberation Serif"}));
    const std::string longName = "A font name that goes on and on and on";
    EXPECT_EQ(FirstTickRun(std::nullopt, longName).log.back(), "font:" + longName.substr(0, 31));
    EXPECT_EQ(FirstTickRun(std::nullopt, "").log, std::vector<std::string>{"taskbar"});
}

// --- Where the file is -----------------------------------------------------

TEST(SettingsLocation, isTheProgramPathWithTheExtensionINI) {
    EXPECT_EQ(settingsPathBeside("/opt/quolan/quolan"), "/opt/quolan/quolan.INI");
    EXPECT_EQ(settingsPathBeside("C:\\Tools\\post.exe"), "C:\\Tools\\post.INI");
    EXPECT_EQ(settingsPathBeside("/home/a.b/quolan"), "/home/a.b/quolan.INI");
    EXPECT_EQ(settingsPathBeside("/home/me/.quolan"), "/home/me/.quolan.INI");
    EXPECT_EQ(settingsPathBeside("quolan.bin"), "quolan.INI");
}

TEST(SettingsLocation, fallsBackToTheUsersFolderOnlyWhenNothingCanBeWrittenBesideTheProgram) {
    const auto choose = [](bool folder, bool existing) {
        return chooseSettingsPath({"/opt/q/quolan.INI", folder, existing, "/home/u/quolan.INI"});
    };
    EXPECT_EQ(choose(true, false), "/opt/q/quolan.INI");
    EXPECT_EQ(choose(true, true), "/opt/q/quolan.INI");
    EXPECT_EQ(choose(false, true), "/opt/q/quolan.INI");
    EXPECT_EQ(choose(false, false), "/home/u/quolan.INI");
    // Installed system-wide, a writable folder (the administrator) changes nothing.
    EXPECT_EQ(chooseSettingsPath({"/usr/bin/quolan.INI", true, true, "/root/quolan.INI", true}),
              "/root/quolan.INI");
}

} // namespace
} // namespace quolan
