#pragma once

#include <QIcon>
#include <QPixmap>

#include <string_view>

namespace quolan {

// Our own drawings for the program.

// A toolbar picture by the name the toolbar table gives it; a null icon for
// an unknown name.
QIcon toolbarPicture(std::string_view name);

// The program's icon: window, tray and splash.
QIcon programIcon();

} // namespace quolan
