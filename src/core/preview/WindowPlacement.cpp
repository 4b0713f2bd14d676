#include "WindowPlacement.h"

#include <algorithm>
#include <array>

namespace quolan::preview {

namespace {
enum class Side { Right, Left, Below, Above };

int clampInto(int at, int length, int from, int to) {
    return std::max(from, std::min(at, to - length));
}
} // namespace

Box placeBeside(const Box& owner, int width, int height, const Box& screen, int gap) {
    const int w = std::clamp(width, 1, std::max(1, screen.width));
    const int h = std::clamp(height, 1, std::max(1, screen.height));
    // Beside the owner, level with its top; under or over it, level with its
    // left edge; in both cases pushed back onto the screen.
    const int level = clampInto(owner.y, h, screen.y, screen.bottom());
    const int aligned = clampInto(owner.x, w, screen.x, screen.right());

    struct Room {
        Side side;
        int free; // room between the owner and the screen's edge
        int needed;
    };
    const std::array<Room, 4> rooms{{
        {Side::Right, screen.right() - owner.right() - gap, w},
        {Side::Left, owner.x - gap - screen.x, w},
        {Side::Below, screen.bottom() - owner.bottom() - gap, h},
        {Side::Above, owner.y - gap - screen.y, h},
    }};
    const auto fits =
        std::find_if(rooms.begin(), rooms.end(), [](const Room& r) { return r.free >= r.needed; });
    // Nowhere at its size: the side where the least of it is missing.
    const Room& chosen =
        fits != rooms.end()
            ? *fits
            : *std::max_element(rooms.begin(), rooms.end(), [](const Room& a, const Room& b) {
                  return static_cast<long long>(a.free) * b.needed <
                         static_cast<long long>(b.free) * a.needed;
              });
    // Made smaller to fit the room where it loses at most half its size;
    // otherwise against the screen's edge, over a part of the owner.
    const bool overlaps = fits == rooms.end() && chosen.free < chosen.needed / 2;
    const bool horizontal = chosen.side == Side::Right || chosen.side == Side::Left;
    const int shrunk = fits == rooms.end() && !overlaps ? chosen.free : chosen.needed;
    Box placed{aligned, level, horizontal ? shrunk : w, horizontal ? h : shrunk};
    switch (chosen.side) {
    case Side::Right:
        placed.x = overlaps ? screen.right() - placed.width : owner.right() + gap;
        break;
    case Side::Left:
        placed.x = overlaps ? screen.x : owner.x - gap - placed.width;
        break;
    case Side::Below:
        placed.y = overlaps ? screen.bottom() - placed.height : owner.bottom() + gap;
        break;
    case Side::Above:
        placed.y = overlaps ? screen.y : owner.y - gap - placed.height;
        break;
    }
    // An owner partly off the screen must not take the window with it.
    placed.x = clampInto(placed.x, placed.width, screen.x, screen.right());
    placed.y = clampInto(placed.y, placed.height, screen.y, screen.bottom());
    return placed;
}

} // namespace quolan::preview
