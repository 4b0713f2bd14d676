#pragma once

class QWidget;

namespace quolan {

// Every window the program opens names an owner to the window manager, so
// that it stays with the program's windows and the keyboard has somewhere to
// go when it closes: the window that was active when it opened, or the main
// window. A window run modally (a file dialog, a message) gives the keyboard
// back to that owner when it closes; the others have their own rules
// (SecondaryWindows.h). Lasts as long as the main window.
void ownWindowsBy(QWidget& mainWindow);

} // namespace quolan
