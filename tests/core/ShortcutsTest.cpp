#include "core/ui/Shortcuts.h"

#include "core/ui/CommandIds.h"
#include "core/ui/MenuTables.h"
#include "core/ui/ToolbarTable.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace quolan {
namespace {

std::map<std::string, std::string> keyOwners(MenuTable menu) {
    std::map<std::string, std::string> owners;
    for (const ShortcutBinding& b : resolveShortcuts(menu))
        owners[b.key] = std::string(b.item);
    return owners;
}

const MenuEntry& entryNamed(MenuTable menu, std::string_view name) {
    for (const MenuEntry& e : menu)
        if (e.name == name)
            return e;
    throw std::runtime_error("no entry " + std::string(name));
}

TEST(Shortcuts, canonicalFormOrdersModifiersAndCapitalises) {
    EXPECT_EQ(canonicalKey("shift+ctrl+c"), "Ctrl+Shift+C");
    EXPECT_EQ(canonicalKey("Alt+Ctrl+S"), "Ctrl+Alt+S");
    EXPECT_EQ(canonicalKey("f1"), "F1");
    EXPECT_EQ(canonicalKey("Ctrl+Shift+2"), "Ctrl+Shift+2");
}

TEST(Shortcuts, firstCarrierInMenuOrderReceivesTheKey) {
    const auto owners = keyOwners(mainMenu());
    EXPECT_EQ(owners.at("Alt+S"), "N16");                  // not the size item N10
    EXPECT_EQ(owners.at("Alt+C"), "N9");                   // not the code item Code1
    EXPECT_EQ(owners.at("Ctrl+Shift+C"), "centercenter1"); // not copy all N19
    EXPECT_EQ(owners.at("Ctrl+X"), "N67");                 // a hidden item keeps its key
    EXPECT_EQ(owners.at("Ctrl+Shift+2"), "vBHTML1");       // items of a hidden menu too
    EXPECT_EQ(owners.at("Ctrl+Shift+1"), "HTML1");
    EXPECT_EQ(owners.at("Ctrl+Alt+S"), "N20");
    EXPECT_EQ(owners.at("Ctrl+B"), "N4");
    EXPECT_EQ(owners.at("F1"), "N66");
}

TEST(Shortcuts, aLaterDuplicateNeverWinsWhateverItsSpelling) {
    const MenuEntry menu[] = {
        {0, "M", "menu"},
        {1, "A", "a", "Ctrl+Shift+K", "first"},
        {1, "B", "b", "shift+ctrl+k", "second"},
        {0, "H", "hidden", {}, {}, MenuEntry::Hidden},
        {1, "C", "c", "Alt+Q", "third"},
        {1, "D", "d", "Alt+Q", "fourth", MenuEntry::None, "Alt+Ctrl+Q"},
    };
    const auto bindings = resolveShortcuts(menu);
    ASSERT_EQ(bindings.size(), 3u);
    EXPECT_EQ(bindings[0].command, "first");
    EXPECT_EQ(bindings[1].command, "third");
    EXPECT_EQ(bindings[2].key, "Ctrl+Alt+Q");
    EXPECT_EQ(bindings[2].command, "fourth");
    EXPECT_EQ(displayedKey(bindings, menu[2]), ""); // B never receives its key
    EXPECT_EQ(displayedKey(bindings, menu[5]), "Ctrl+Alt+Q");
}

TEST(Shortcuts, itemsWhoseStoredKeyIsTakenShowTheirSpareKeyOnly) {
    const auto bindings = resolveShortcuts(mainMenu());
    EXPECT_EQ(displayedKey(bindings, entryNamed(mainMenu(), "N10")), "Alt+Z");
    EXPECT_EQ(displayedKey(bindings, entryNamed(mainMenu(), "Code1")), "Alt+K");
    EXPECT_EQ(displayedKey(bindings, entryNamed(mainMenu(), "N19")), "Ctrl+Shift+A");
    EXPECT_EQ(displayedKey(bindings, entryNamed(mainMenu(), "N16")), "Alt+S");
    EXPECT_EQ(displayedKey(bindings, entryNamed(mainMenu(), "N2")), "");
}

TEST(Shortcuts, spareKeysAreFreeStoredKeys) {
    std::set<std::string> stored;
    for (const MenuEntry& e : mainMenu())
        if (!e.key.empty())
            stored.insert(canonicalKey(e.key));
    for (const MenuEntry& e : mainMenu()) {
        if (!e.spareKey.empty()) {
            EXPECT_FALSE(stored.contains(canonicalKey(e.spareKey))) << e.name;
        }
    }
}

TEST(MenuTables, keysAreWrittenInCanonicalForm) {
    for (const MenuEntry& e : mainMenu()) {
        EXPECT_EQ(canonicalKey(e.key), e.key) << e.name;
        EXPECT_EQ(canonicalKey(e.spareKey), e.spareKey) << e.name;
    }
}

TEST(MenuTables, everyControlHasAUniqueName) {
    std::set<std::string_view> names;
    for (const MenuTable table : {mainMenu(), memoPopup(), popupMenu1(), popupMenu2()})
        for (const MenuEntry& e : table)
            EXPECT_TRUE(names.insert(e.name).second) << e.name;
    for (const ToolbarEntry& e : mainToolbar()) {
        if (!e.isSeparator()) {
            EXPECT_TRUE(names.insert(e.name).second) << e.name;
        }
    }
}

TEST(MenuTables, nestingNeverSkipsALevel) {
    for (const MenuTable table : {mainMenu(), memoPopup(), popupMenu1(), popupMenu2()}) {
        ASSERT_EQ(table.front().depth, 0);
        for (std::size_t i = 1; i < table.size(); ++i)
            EXPECT_LE(table[i].depth, table[i - 1].depth + 1) << table[i].name;
    }
}

// The toolbar button, the "Теги" item and the context-menu item of a tag run
// one command.
TEST(MenuTables, theThreeControlsOfATagShareOneCommand) {
    struct Triple {
        std::string_view button, item, popupItem;
    };
    const Triple triples[] = {
        {"boldbtn", "N4", "BOLD1"},
        {"UnderBtn", "N7", "UNDERLINE1"},
        {"ItalicBtn", "N8", "ITALIC1"},
        {"oocbtn", "Outofcharoocooc1", "OOC1"},
        {"CenterBtn", "centercenter1", "CENTER1"},
        {"RightBtn", "N37", "RIGHT1"},
        {"URLBtn", "N5", "URL1"},
        {"IMGBtn", "N13", "IMAGE1"},
        {"SpeedButton1", "N11", "FONT1"},
        {"FocusBtn", "N15", "FOCUS1"},
        {"SABtn", "N16", "SA1"},
        {"ColorBtn", "N9", "COLOR1"},
        {{}, "N14", "QUOTE1"},
        {{}, "Code1", "CODE2"},
        {{}, "PHP1", "PHP2"},
        {{}, "N6", "EMAIL1"},
        {{}, "N10", "SIZE1"},
    };
    for (const Triple& t : triples) {
        const std::string_view command = entryNamed(mainMenu(), t.item).command;
        EXPECT_FALSE(command.empty()) << t.item;
        EXPECT_EQ(entryNamed(memoPopup(), t.popupItem).command, command) << t.popupItem;
        if (t.button.empty())
            continue;
        bool found = false;
        for (const ToolbarEntry& b : mainToolbar())
            if (b.name == t.button) {
                EXPECT_EQ(b.command, command) << t.button;
                found = true;
            }
        EXPECT_TRUE(found) << t.button;
    }
}

TEST(ToolbarTable, simpleTagButtonsHaveTheirSizesAndFaces) {
    std::map<std::string_view, const ToolbarEntry*> byName;
    for (const ToolbarEntry& e : mainToolbar())
        byName[e.name] = &e;
    EXPECT_EQ(byName.at("ItalicBtn")->width, 20);
    EXPECT_EQ(byName.at("oocbtn")->width, 33);
    EXPECT_EQ(byName.at("boldbtn")->width, 23);
    EXPECT_EQ(byName.at("boldbtn")->face, ToolbarEntry::Face::Bold);
    EXPECT_EQ(byName.at("ItalicBtn")->fontFamily, "Georgia");
    EXPECT_EQ(byName.at("CenterBtn")->face, ToolbarEntry::Face::Picture);
    EXPECT_EQ(byName.at("ClipBtn")->command, cmd::CopyAll);
}

} // namespace
} // namespace quolan
