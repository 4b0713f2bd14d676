#include "core/app/StartupSequence.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace quolan {
namespace {

struct Recorded final : StartupProgress {
    void setProgress(int position) override { positions.push_back(position); }
    void appendLog(std::string_view line) override { log.emplace_back(line); }
    void refresh() override { ++refreshes; }
    std::vector<int> positions;
    std::vector<std::string> log;
    int refreshes = 0;
};

TEST(StartupSequence, withEveryWindowTheProgressAndLogAreExact) {
    Recorded splash;
    std::vector<std::string> created;
    runStartup(
        startupRows(),
        [&](const StartupRow& row) {
            created.emplace_back(row.instance);
            return true;
        },
        splash);
    EXPECT_EQ(splash.positions, (std::vector<int>{0, 5, 10, 15, 20, 25, 30, 35, 50, 55, 60, 65, 70,
                                                  75, 80, 85, 90, 95, 100}));
    EXPECT_EQ(splash.log, (std::vector<std::string>{
                              "Идет загрузка: ", "Главная форма", "URL form", "Color form",
                              "Size form", "Image form", "Font form", "About form", "Email form",
                              "Lan form", "Credits form", "Focus form", "SA form", "Create form",
                              "History form", "Smile form", "Help form", "Загрузка завершена"}));
    EXPECT_EQ(created.front(), "MainForm");
    EXPECT_EQ(created.size(), 18u);
    EXPECT_EQ(splash.refreshes, 19); // once before any window, once after each
}

TEST(StartupSequence, rowsWithoutAWindowMoveNothing) {
    Recorded splash;
    const std::set<std::string_view> present = {"MainForm", "ExitFrm2", "SmileFRM"};
    runStartup(
        startupRows(), [&](const StartupRow& row) { return present.contains(row.instance); },
        splash);
    EXPECT_EQ(splash.positions, (std::vector<int>{0, 5, 50, 90}));
    EXPECT_EQ(splash.log,
              (std::vector<std::string>{"Идет загрузка: ", "Главная форма", "Smile form"}));
}

TEST(StartupSequence, classAndInstanceNamesFollowTheOneRule) {
    for (const StartupRow& row : startupRows()) {
        // Built by appending: GCC 12 at -O2 and above sees a false overlap
        // in "T" + std::string (-Wrestrict).
        std::string expected = "T";
        expected += row.instance;
        EXPECT_EQ(std::string(row.className), expected) << row.step;
    }
}

} // namespace
} // namespace quolan
