#include "ShellPictures.h"

#include "gui/pictures/PaintedIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace quolan {

// A blank sheet with a turned corner and a green plus: a new post.
void drawNewPost(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    drawSheet(p, 6, Qt::white, QColor(0xd9, 0xe2, 0xef));
    p.setPen(roundPen(QColor(0x9a, 0xa8, 0xbd), 1.0));
    for (const qreal y : {13.0, 17.0, 21.0})
        p.drawLine(QPointF(9, y), QPointF(20, y));

    p.setPen(roundPen(QColor(0x1f, 0x6e, 0x2c), 1.0));
    p.setBrush(QColor(0x3c, 0xb3, 0x4f));
    p.drawEllipse(QPointF(23, 24), 6.5, 6.5);
    p.setPen(roundPen(Qt::white, 2.2));
    p.drawLine(QPointF(23, 20.5), QPointF(23, 27.5));
    p.drawLine(QPointF(19.5, 24), QPointF(26.5, 24));
}

// An open door with an arrow leaving through it: the end of the session.
void drawEndOfSession(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(roundPen(kPictureInk, 1.2));
    p.setBrush(QColor(0xf4, 0xe9, 0xd3));
    p.drawRect(QRectF(5, 3, 16, 26));
    QPainterPath door;
    door.moveTo(5, 3);
    door.lineTo(14, 6);
    door.lineTo(14, 31);
    door.lineTo(5, 29);
    door.closeSubpath();
    p.setBrush(QColor(0x9c, 0x5b, 0x2e));
    p.drawPath(door);
    p.setBrush(QColor(0xe8, 0xc5, 0x4a));
    p.drawEllipse(QPointF(12, 18), 1.1, 1.1);

    p.setPen(roundPen(QColor(0xc0, 0x39, 0x2b), 2.4));
    p.drawLine(QPointF(17, 16), QPointF(29, 16));
    p.drawLine(QPointF(25, 12), QPointF(29, 16));
    p.drawLine(QPointF(25, 20), QPointF(29, 16));
}

} // namespace quolan
