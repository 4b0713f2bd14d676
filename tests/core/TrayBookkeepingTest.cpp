#include "core/shell/TrayBookkeeping.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quolan {
namespace {

using Names = std::vector<std::string>;

TEST(TrayClickFilter, onlyClicksRestoreAndADoubleClickRestoresOnce) {
    TrayClickFilter filter(400);
    EXPECT_FALSE(filter.restores(TrayPress::RightClick, 0));
    EXPECT_FALSE(filter.restores(TrayPress::MiddleClick, 0));
    EXPECT_TRUE(filter.restores(TrayPress::Click, 1000));
    // One double click, reported as click + double click + click.
    EXPECT_FALSE(filter.restores(TrayPress::DoubleClick, 1150));
    EXPECT_FALSE(filter.restores(TrayPress::Click, 1200));
    // A later click is a click again.
    EXPECT_TRUE(filter.restores(TrayPress::Click, 1400));
    EXPECT_TRUE(filter.restores(TrayPress::Click, 5000));
    // A clock that went back does not swallow clicks.
    EXPECT_TRUE(filter.restores(TrayPress::Click, 10));
}

TEST(WindowShelf, bringsBackExactlyTheWindowsThatLeft) {
    WindowShelf shelf;
    EXPECT_FALSE(shelf.away());
    EXPECT_EQ(shelf.putAway(Names{"SmileFRM", "UrlCreate"}), (Names{"SmileFRM", "UrlCreate"}));
    EXPECT_TRUE(shelf.away());
    // Minimised again while away, with a window opened from the tray menu.
    EXPECT_EQ(shelf.putAway(Names{"About"}), (Names{"About"}));
    EXPECT_EQ(shelf.putAway(Names{"SmileFRM"}), (Names{"SmileFRM"}));
    EXPECT_EQ(shelf.bringBack(), (Names{"SmileFRM", "UrlCreate", "About"}));
    EXPECT_FALSE(shelf.away());
    // Nothing is brought back twice, nor a window that stayed hidden.
    EXPECT_TRUE(shelf.bringBack().empty());
    shelf.putAway({});
    EXPECT_TRUE(shelf.bringBack().empty());
}

TEST(SkipTaskbar, theButtonHidesOnlyWhileATrayExists) {
    EXPECT_EQ(skipTaskbarChange(true, false), HintChange::Set);
    EXPECT_EQ(skipTaskbarChange(true, true), HintChange::None);
    EXPECT_EQ(skipTaskbarChange(false, true), HintChange::Clear);
    EXPECT_EQ(skipTaskbarChange(false, false), HintChange::None);
}

} // namespace
} // namespace quolan
