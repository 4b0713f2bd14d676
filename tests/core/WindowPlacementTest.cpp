#include "core/preview/WindowPlacement.h"

#include <gtest/gtest.h>

namespace quolan::preview {
namespace {

// On a 1024 x 768 screen under a 24 pixel panel, with a gap of 8.
constexpr Box kScreen{0, 24, 1024, 744};

struct Case {
    const char* what;
    Box owner;
    Box wanted; // only its size counts
    Box expected;
};

const Case kCases[] = {
    {"right, level with the top", {10, 100, 400, 300}, {0, 0, 500, 600}, {418, 100, 500, 600}},
    {"left: no room on the right", {600, 100, 400, 300}, {0, 0, 500, 600}, {92, 100, 500, 600}},
    {"pushed up onto the screen", {10, 500, 400, 268}, {0, 0, 500, 620}, {418, 148, 500, 620}},
    {"below: no room beside", {200, 24, 700, 300}, {0, 0, 500, 400}, {200, 332, 500, 400}},
    {"above: room only there", {100, 430, 800, 338}, {0, 0, 600, 300}, {100, 122, 600, 300}},
    {"narrower where half of it fits", {10, 24, 400, 744}, {0, 0, 700, 600}, {418, 24, 606, 600}},
    {"less than half fits: at the edge", {50, 24, 700, 744}, {0, 0, 560, 620}, {464, 24, 560, 620}},
    {"larger than the screen", {0, 24, 1024, 744}, {0, 0, 1400, 1224}, {0, 24, 1024, 744}},
    {"owner half off the screen", {-300, 600, 400, 400}, {0, 0, 500, 600}, {108, 168, 500, 600}},
};

TEST(WindowPlacement, standsBesideItsOwnerAndAlwaysOnTheScreen) {
    for (const Case& c : kCases) {
        const Box placed = placeBeside(c.owner, c.wanted.width, c.wanted.height, kScreen, 8);
        EXPECT_EQ(placed, c.expected) << c.what << ": " << placed.x << "," << placed.y << " "
                                      << placed.width << "x" << placed.height;
    }
}

} // namespace
} // namespace quolan::preview
