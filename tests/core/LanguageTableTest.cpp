#include "core/settings/IniStore.h"
#include "core/settings/LanguageSetting.h"
#include "core/ui/MenuTables.h"
#include "core/ui/ToolbarTable.h"
#include "support/FakeFiles.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace quolan {
namespace {

using testing::FakeFiles;

std::span<const LanguageTable> interfaceTables() {
    return languageTables().first(interfaceTableCount());
}

const MenuEntry* menuEntry(MenuTable table, std::string_view name) {
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const MenuEntry& e) { return e.name == name; });
    return found == table.end() ? nullptr : &*found;
}

TEST(LanguageTable, sixTablesOfTheirSizesAndTheOtherWindowsInCommandOrder) {
    ASSERT_EQ(interfaceTableCount(), 6u);
    std::vector<std::size_t> sizes;
    for (const LanguageTable& table : interfaceTables())
        sizes.push_back(table.rows.size());
    EXPECT_EQ(sizes, (std::vector<std::size_t>{41, 15, 17, 7, 6, 44}));

    for (std::size_t t = 0; t < 5; ++t)
        for (const LanguageRow& row : interfaceTables()[t].rows)
            EXPECT_EQ(row.window, kMainWindowName) << elementName(row);

    // Window by window, each window's rows together.
    std::vector<std::pair<std::string, int>> windows;
    for (const LanguageRow& row : interfaceTables()[5].rows) {
        if (windows.empty() || windows.back().first != row.window)
            windows.emplace_back(row.window, 0);
        ++windows.back().second;
    }
    const std::vector<std::pair<std::string, int>> expected = {
        {"About", 5},        {"ColorFrm", 4},   {"EmailFrm", 2},  {"ExitFrm2", 4}, {"FontFrm", 3},
        {"ImageFrm", 3},     {"SizeFrm", 3},    {"UrlCreate", 4}, {"FocusFrm", 3}, {"SAfrm", 3},
        {"CreateNewFrm", 5}, {"HistoryFrm", 1}, {"SmileFRM", 2},  {"HelpFrm", 2}};
    EXPECT_EQ(windows, expected);
}

TEST(LanguageTable, noElementTwiceWithinATableAndEveryRowHasItsTexts) {
    for (const LanguageTable& table : languageTables()) {
        std::set<std::string> seen;
        for (const LanguageRow& row : table.rows) {
            EXPECT_TRUE(seen.insert(elementName(row)).second) << elementName(row);
            if (row.isCaptionCopy()) {
                EXPECT_TRUE(row.text.english.empty() && row.text.russian.empty())
                    << elementName(row);
            } else {
                EXPECT_FALSE(row.text.english.empty()) << elementName(row);
                EXPECT_FALSE(row.text.russian.empty()) << elementName(row);
            }
        }
    }
}

TEST(LanguageTable, captionCopiesJoinAPopupTagItemToItsTwinInTheTagsMenu) {
    const LanguageTable& copies = interfaceTables()[2];
    for (const LanguageRow& row : copies.rows) {
        ASSERT_TRUE(row.isCaptionCopy()) << elementName(row);
        const MenuEntry* item = menuEntry(memoPopup(), row.control);
        const MenuEntry* twin = menuEntry(mainMenu(), row.copyOf);
        ASSERT_NE(item, nullptr) << elementName(row);
        ASSERT_NE(twin, nullptr) << row.copyOf;
        EXPECT_EQ(item->caption, row.builtText());
        EXPECT_EQ(item->command, twin->command) << elementName(row); // the same tag
    }
}

TEST(LanguageTable, builtTextsAreThoseTheMenusAndToolbarAreBuiltWith) {
    const std::pair<std::size_t, MenuTable> menus[] = {
        {0, mainMenu()}, {1, popupMenu1()}, {3, memoPopup()}};
    for (const auto& [index, menu] : menus)
        for (const LanguageRow& row : interfaceTables()[index].rows) {
            const MenuEntry* entry = menuEntry(menu, row.control);
            if (index == 3 && !entry)
                entry = menuEntry(popupMenu2(), row.control);
            ASSERT_NE(entry, nullptr) << elementName(row);
            EXPECT_EQ(entry->caption, row.builtText()) << elementName(row);
        }
    for (const LanguageRow& row : interfaceTables()[4].rows) {
        if (row.isWindowCaption() || row.control == "TabSheet1")
            continue;
        const auto toolbar = mainToolbar();
        const auto button =
            std::find_if(toolbar.begin(), toolbar.end(),
                         [&](const ToolbarEntry& e) { return e.name == row.control; });
        ASSERT_NE(button, toolbar.end()) << elementName(row);
        EXPECT_EQ(button->text, row.builtText()) << elementName(row);
    }
}

TEST(LanguageTable, aSubsystemsOwnTextIsRussianUntilEnglishIsShown) {
    const BilingualText text{"Да", "Yes"};
    EXPECT_EQ(inLanguage(text, std::nullopt), "Да");
    EXPECT_EQ(inLanguage(text, Language::Russian), "Да");
    EXPECT_EQ(inLanguage(text, Language::English), "Yes");
}

// Records what the commands set, in order.
class Record final : public LanguageTextSink {
public:
    void setText(const LanguageRow& row, std::string_view text) override {
        calls.push_back(elementName(row) + "=" + std::string(text));
    }
    void copyCaption(const LanguageRow& row) override {
        calls.push_back(elementName(row) + "<-" + std::string(row.copyOf));
    }
    std::vector<std::string> calls;
};

struct Settings {
    FakeFiles files;
    std::vector<std::string> reports;
    IniStore ini{files, "/app/post.INI", [this](std::string_view m) { reports.emplace_back(m); }};
};

std::size_t extraRows() {
    std::size_t rows = 0;
    for (const LanguageTable& table : languageTables().subspan(interfaceTableCount()))
        rows += table.rows.size();
    return rows;
}

TEST(LanguageCommands, storeTheChoiceThenSetEveryRowInTableOrder) {
    Settings settings;
    Record english;
    ASSERT_TRUE(runLanguageCommand(Language::English, settings.ini, english));
    EXPECT_EQ(settings.ini.readString("Language", "Installed"), "English");

    std::size_t rows = 0;
    for (const LanguageTable& table : languageTables())
        rows += table.rows.size();
    ASSERT_EQ(english.calls.size(), rows);
    EXPECT_EQ(english.calls.front(), "N1=&File");
    EXPECT_EQ(english.calls[41], "N39=About");
    EXPECT_EQ(english.calls[41 + 15], "OOC1<-Outofcharoocooc1");
    EXPECT_EQ(english.calls[rows - 1 - extraRows()], "HelpFrm=Help"); // the interface's last
    EXPECT_EQ(english.calls[rows - extraRows()],
              "RecoveryFrm=Unsaved post"); // then the subsystems'.

    Record russian;
    ASSERT_TRUE(runLanguageCommand(Language::Russian, settings.ini, russian));
    EXPECT_EQ(settings.ini.readString("Language", "Installed"), "Russian");
    EXPECT_EQ(russian.calls.front(), "N1=&Файл");
    EXPECT_TRUE(settings.reports.empty());
}

TEST(LanguageCommands, aRefusedWriteIsReportedAndChangesNoText) {
    Settings settings;
    settings.files.readOnlyFolders.insert("/app");
    Record sink;
    EXPECT_FALSE(runLanguageCommand(Language::English, settings.ini, sink));
    EXPECT_TRUE(sink.calls.empty());
    EXPECT_EQ(settings.reports, std::vector<std::string>{"Unable to write to /app/post.INI"});
}

} // namespace
} // namespace quolan
