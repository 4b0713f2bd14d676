#pragma once

class QWidget;

namespace quolan {

// Shows a dialog over the main window while the main window is disabled. The
// command returns at once; however the dialog is closed or hidden later (its
// buttons, its close box, Escape), the main window is enabled again. Until
// then a click on the main window brings the dialog back to the front with
// the keyboard.
void showWhileMainDisabled(QWidget& dialog, QWidget& mainWindow);

// Shows a secondary window and leaves the main window as it is.
void showBesideMain(QWidget& window, QWidget& mainWindow);

// Both ways give the window the keys of every secondary window: Escape does
// what its close box does, Return and Enter press its focused button. When it
// is hidden the main window is active again, with the keyboard where it was
// (or on the main window's focus proxy).

// The keys a window that is not shown through those rules gets: Return and
// Enter press the focused button; Escape does nothing.
void pressFocusedButtonOnReturn(QWidget& window);
// Hides a window that leaves the screen with the main window, and shows it
// again when they come back. A dialog put away so keeps the main window
// disabled: it has not been closed.
void shelveWindow(QWidget& window);
void unshelveWindow(QWidget& window);
// True while the window is put away so: its hiding is no closing.
bool isShelved(const QWidget& window);

} // namespace quolan
