#pragma once

namespace quolan::preview {

// A window's rectangle on the desktop, its frame included.
struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; } // one past the last column
    int bottom() const { return y + height; }
    bool operator==(const Box&) const = default;
};

// Where a window of the given size goes so that it stands beside its owner:
// to the right or the left of it where the screen's free area has room,
// otherwise below or above it. Where none has room, on the side where the
// least of it is missing: made smaller to fit if it keeps at least half its
// size there, else against the screen's edge, over a part of the owner. The
// result always lies inside `screen`; a window larger than the screen is
// made smaller.
Box placeBeside(const Box& owner, int width, int height, const Box& screen, int gap);

} // namespace quolan::preview
