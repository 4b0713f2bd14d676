#include "core/preview/WindowPlacement.h"

#include <gtest/gtest.h>

namespace quolan::preview {
namespace {

struct Case {
    const char* what;
    Box owner;
    int width;
    int height;
    Box screen;
    Box expected;
};

// A 1024 x 768 screen with a 24 pixel panel at the top, a gap of 8.
constexpr Box kScreen{0, 24, 1024, 744};

const Case kCases[] = {
    {"right of it, level with its top",
     {10, 100, 400, 300},
     500,
     600,
     kScreen,
     {418, 100, 500, 600}},
    {"left of it when the right has no room",
     {600, 100, 400, 300},
     500,
     600,
     kScreen,
     {92, 100, 500, 600}},
    {"pushed up to stay on the screen",
     {10, 500, 400, 268},
     500,
     620,
     kScreen,
     {418, 148, 500, 620}},
    {"below it when neither side has room",
     {200, 24, 700, 300},
     500,
     400,
     kScreen,
     {200, 332, 500, 400}},
    {"above it when only that has room",
     {100, 430, 800, 338},
     600,
     300,
     kScreen,
     {100, 122, 600, 300}},
    {"nowhere at its size: made narrower where it keeps half",
     {10, 24, 400, 744},
     700,
     600,
     kScreen,
     {418, 24, 606, 600}},
    {"nowhere half free: against the edge on the roomier side",
     {50, 24, 700, 744},
     560,
     620,
     kScreen,
     {464, 24, 560, 620}},
    {"larger than the screen, beside a small owner: the room below it",
     {0, 24, 300, 200},
     1400,
     1224,
     kScreen,
     {0, 232, 1024, 536}},
    {"larger than the screen, over a maximised owner: the screen",
     {0, 24, 1024, 744},
     1400,
     1224,
     kScreen,
     {0, 24, 1024, 744}},
    {"the owner half off the screen",
     {-300, 600, 400, 400},
     500,
     600,
     kScreen,
     {108, 168, 500, 600}},
    {"a second screen to the right",
     {1920, 0, 600, 500},
     560,
     620,
     {1920, 0, 1280, 1024},
     {2528, 0, 560, 620}},
};

TEST(WindowPlacement, standsBesideItsOwnerAndAlwaysOnTheScreen) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        const Box placed = placeBeside(c.owner, c.width, c.height, c.screen, 8);
        EXPECT_EQ(placed, c.expected)
            << placed.x << "," << placed.y << " " << placed.width << "x" << placed.height;
        EXPECT_GE(placed.x, c.screen.x);
        EXPECT_GE(placed.y, c.screen.y);
        EXPECT_LE(placed.right(), c.screen.right());
        EXPECT_LE(placed.bottom(), c.screen.bottom());
    }
}

} // namespace
} // namespace quolan::preview
