#pragma once

#include "core/settings/WindowSettings.h"

#include <vector>

class QWidget;

namespace quolan {

// A window's bounds with its frame, as the settings file keeps them.
WindowRect outerGeometry(const QWidget& window);

// Places a top-level window so that its frame has these bounds. Qt sizes the
// client area and learns the frame only once the window is on the screen;
// until then the client area takes the whole size, and it is shrunk by the
// frame as soon as the frame is known.
void setOuterGeometry(QWidget& window, WindowRect bounds);

// The screens' bounds.
std::vector<WindowRect> screenBounds();
// The screens' areas free of panels, the primary screen's first.
std::vector<WindowRect> freeScreenAreas();

// Fits a window placed where it opens to the free area of its screen when it
// is larger than that (see fitOnScreens).
void keepOnScreen(QWidget& window);

} // namespace quolan
