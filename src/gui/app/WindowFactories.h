#pragma once

#include <span>
#include <string_view>

class QWidget;

namespace quolan {

// How the window of one start-up row comes into being, and is let go again.
struct WindowFactory {
    std::string_view instance;
    QWidget* (*create)(); // creates the window hidden and sets its reference
    void (*forget)();     // clears the reference before the window is deleted
};

std::span<const WindowFactory> windowFactories();

class TMainForm;
class TSmileFRM;
// The smiley palette writing into the post of `mainWindow`, created hidden;
// its picture goes on the menu item.
TSmileFRM* createSmileFRM(TMainForm& mainWindow);
// The options window of `mainWindow`, created hidden, its language choice
// bound to the interface language.
QWidget* createOptions(TMainForm& mainWindow);

} // namespace quolan
