#include "core/shell/ForumLinks.h"

#include "core/document/MemoryFileStore.h"
#include "core/settings/IniStore.h"
#include "core/ui/CommandRegistry.h"
#include "core/ui/MenuTables.h"
#include "support/FakeLinks.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace quolan {
namespace {

struct Links {
    explicit Links(std::string settingsFile = {}) {
        if (!settingsFile.empty())
            files.files["q.INI"] = std::move(settingsFile);
        registerLinkCommands(commands, settings, links);
    }
    // Runs every command of the links menu's items, separators and submenus
    // included, and says what each opened.
    std::map<std::string, std::vector<std::string>> chooseEveryItem() {
        std::map<std::string, std::vector<std::string>> byItem;
        for (const MenuEntry& entry : popupMenu1()) {
            links.opened.clear();
            if (forumAddressFor(entry.command, "h").has_value())
                commands.run(entry.command);
            byItem[std::string(entry.name)] = links.opened;
        }
        return byItem;
    }

    MemoryFileStore files;
    IniStore settings{files, "q.INI", {}};
    CommandRegistry commands;
    testing::FakeLinks links;
    std::vector<std::string>& opened = links.opened;
};

TEST(ForumLinks, eachLinkItemOpensOneAddressAndNothingElseOpensAny) {
    Links links;
    const auto byItem = links.chooseEveryItem();
    const std::string site = "http://www.brennow.org";
    const std::map<std::string, std::string> expected = {
        {"Brennow2", site + "/"},
        {"N45", site + "/forum/register.php?s=&action=signup"},
        {"N51", site + "/forum/"},
        {"N55", site + "/forum/showthread.php?threadid=347"},
        {"FAQ1", site + "/forum/showthread.php?threadid=540"},
        {"N56", site + "/forum/showthread.php?threadid=194"},
        {"N53", site + "/forum/showthread.php?threadid=347"},
        {"N46", site + "/forum/forumdisplay.php?s=&forumid=23"},
        {"N47", site + "/forum/register.php?s=&action=signup"},
        {"N48", site + "/forum/forumdisplay.php?s=&forumid=21"},
    };
    for (const auto& [item, addresses] : byItem) {
        const auto want = expected.find(item);
        if (want == expected.end()) {
            EXPECT_TRUE(addresses.empty()) << item; // separators, N41, N50, the other items
        } else {
            ASSERT_EQ(addresses.size(), 1u) << item;
            EXPECT_EQ(addresses[0], want->second) << item;
        }
    }
    EXPECT_EQ(byItem.at("N45"), byItem.at("N47"));
    EXPECT_EQ(byItem.at("N53"), byItem.at("N55"));
    // Every link of the table is an item of the menu, under its own name.
    std::set<std::string> items;
    for (const MenuEntry& entry : popupMenu1())
        if (forumAddressFor(entry.command, "h"))
            items.insert(std::string(entry.name));
    EXPECT_EQ(items.size(), forumLinks().size());
    for (const ForumLink& link : forumLinks())
        EXPECT_TRUE(items.contains(std::string(link.item))) << link.item;
}

TEST(ForumLinks, theSettingsFileMayMoveTheSiteButNotTheSchemeOrPath) {
    Links moved("[Links]\r\nHost=forum.example.net:8080\r\n");
    moved.commands.run(cmd::LinkFaq);
    ASSERT_EQ(moved.opened.size(), 1u);
    EXPECT_EQ(moved.opened[0], "http://forum.example.net:8080/forum/showthread.php?threadid=540");

    for (const char* hostile :
         {"evil.example/x?", "evil.example@x", "https://evil", "a b", "evil.example:0",
          "evil.example:99999", "evil.example:", ":80", "evil..example", ".evil", "evil.",
          "evil.example:80:81", "evil\\example", "ев.рф", "evil.example#", "x;rm -rf"}) {
        EXPECT_FALSE(isValidForumHost(hostile)) << hostile;
        Links links(std::string("[Links]\r\nHost=") + hostile + "\r\n");
        links.commands.run(cmd::LinkSite);
        ASSERT_EQ(links.opened.size(), 1u);
        EXPECT_EQ(links.opened[0], "http://www.brennow.org/") << hostile;
    }
    EXPECT_TRUE(isValidForumHost("127.0.0.1:65535"));
    EXPECT_TRUE(isValidForumHost("my-forum.Example.ORG"));
}

TEST(ForumLinks, theHostIsReadWhenALinkIsOpened) {
    Links links;
    links.commands.run(cmd::LinkSite);
    links.files.files["q.INI"] = "[Links]\r\nHost=localhost\r\n";
    links.commands.run(cmd::LinkSite);
    EXPECT_EQ(links.opened,
              (std::vector<std::string>{"http://www.brennow.org/", "http://localhost/"}));
}

} // namespace
} // namespace quolan
