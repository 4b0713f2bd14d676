#pragma once

class QWidget;

namespace quolan {

// Shows a dialog over the main window while the main window is disabled. The
// command returns at once; however the dialog is closed or hidden later (its
// buttons, its close box, Escape), the main window is enabled again.
void showWhileMainDisabled(QWidget& dialog, QWidget& mainWindow);

// Shows a secondary window and leaves the main window as it is.
void showBesideMain(QWidget& window, QWidget& mainWindow);

// Hides a window that leaves the screen with the main window, and shows it
// again when they come back. A dialog put away so keeps the main window
// disabled: it has not been closed.
void shelveWindow(QWidget& window);
void unshelveWindow(QWidget& window);

} // namespace quolan
