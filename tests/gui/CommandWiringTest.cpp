#include "core/shell/ForumLinks.h"
#include "core/ui/MenuTables.h"
#include "core/ui/Shortcuts.h"
#include "core/ui/ToolbarTable.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/Windows.h"
#include "gui/main/TMainForm.h"
#include "support/SilentProgress.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace quolan {
namespace {

// Every command some control names, table by table.
std::map<std::string, std::string> namedCommands() {
    std::map<std::string, std::string> named; // command -> the first table naming it
    const auto note = [&](std::string_view command, const char* table) {
        if (!command.empty())
            named.emplace(std::string(command), table);
    };
    const std::pair<const char*, MenuTable> menus[] = {{"MainMenu1", mainMenu()},
                                                       {"MemoPopup", memoPopup()},
                                                       {"PopupMenu1", popupMenu1()},
                                                       {"PopupMenu2", popupMenu2()}};
    for (const auto& [table, entries] : menus)
        for (const MenuEntry& entry : entries)
            note(entry.command, table);
    for (const ToolbarEntry& button : mainToolbar())
        note(button.command, "CoolBar1");
    for (const ShortcutBinding& key : resolveShortcuts(mainMenu()))
        note(key.command, "shortcut keys");
    for (const ForumLink& link : forumLinks())
        note(link.command, "forum links");
    return named;
}

// The program's windows as it starts: every command a control names has one
// bound, and nothing is bound that no control names. A second binding of an
// id would have thrown while wiring.
TEST(CommandWiring, everyNamedCommandIsBoundOnceAndNothingElseIs) {
    testing::SilentProgress progress;
    ProgramWindows windows;
    windows.create(progress);
    ASSERT_NE(MainForm, nullptr);
    const CommandRegistry& commands = MainForm->commands();

    const auto named = namedCommands();
    ASSERT_FALSE(named.empty());
    for (const auto& [command, table] : named)
        EXPECT_TRUE(commands.contains(command)) << command << " of " << table;
    for (std::string_view bound : commands.ids())
        EXPECT_TRUE(named.contains(std::string(bound))) << bound << " is named by no control";
}

} // namespace
} // namespace quolan
