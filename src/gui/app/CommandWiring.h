#pragma once

namespace quolan {

class CommandRegistry;
class TMainForm;

// The wiring list: every command of the program bound to its id, in two
// steps. The main window's own (its menus, toolbar, keys and tray menu), as
// it is built; then those opening the other windows, once they all exist.
void wireMainWindow(TMainForm& mainWindow);
void wireProgramWindows(CommandRegistry& commands);

} // namespace quolan
