#pragma once

#include "core/settings/IniStore.h"

#include <span>
#include <string_view>

namespace quolan {

// The main window's outer bounds in screen pixels.
struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

// Read when the main window is created: "Top", "Left", "Width", "Height" in
// this order, each defaulting to the window's current value.
WindowRect readWindowGeometry(const IniStore& settings, WindowRect current);

// The stored bounds, unless they would put the window wholly outside every
// screen (a monitor since removed): then the built-in ones, so the window
// can be reached. A window even partly on a screen keeps its bounds exactly.
WindowRect placeOnScreens(WindowRect stored, WindowRect builtIn,
                          std::span<const WindowRect> screens);

// Fits a window larger than the free area of the screen it lies most on (the
// first area when it lies on none) to that area: made no larger when it can
// be resized, and lined up with the area's top and left edges, so that its
// title bar and its bottom can be reached. A window that fits keeps its
// place, even partly off the screen.
WindowRect fitOnScreens(WindowRect window, std::span<const WindowRect> areas, bool resizable);

// Written when the main window closes: the four bounds, then the editor font
// name. After a refused write the remaining ones are skipped.
bool writeClosingSettings(IniStore& settings, WindowRect bounds, std::string_view fontName);

} // namespace quolan
