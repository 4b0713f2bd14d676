#pragma once

#include <QPixmap>
#include <QString>

namespace quolan {

// The about window's logo, 280 x 150, drawn at the screen's pixel ratio.
QPixmap aboutLogo();

// The credits window's picture, a JPEG compiled into the program; an empty
// picture when it cannot be decoded (no JPEG reader installed).
QPixmap creditsPicture(const QString& path = QStringLiteral(":/info/credits.jpg"));

} // namespace quolan
