#pragma once

class QMenuBar;

namespace quolan {

// F10 and a lone Alt press (released without another key) take the keyboard
// to the menu bar by opening its first menu, whatever layout is active and
// whether or not a caption has a mnemonic; the arrows then move through the
// menus. Both act only while the bar's window is active and enabled.
void reachMenuBarFromKeyboard(QMenuBar& bar);

} // namespace quolan
