#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSizeF>

class QPainter;

#include <string_view>

namespace quolan {

// Our own drawings for the program.

// A toolbar picture by the name the toolbar table gives it; a null icon for
// an unknown name.
QIcon toolbarPicture(std::string_view name);

// The program's icon: window, tray and splash. Its drawing also makes the
// icon files the desktop shows (see tools/).
QIcon programIcon();
void drawProgramIcon(QPainter& painter);
inline const QSizeF kProgramIconDesignSize(48, 48);

} // namespace quolan
