#include "RecoveryPicture.h"

#include "gui/pictures/PaintedIcon.h"

#include <QPainter>

namespace quolan {

// A written sheet with a blue arrow curling back to it: a post brought back.
void drawRecoveredPost(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    drawSheet(p, 4, QColor(0xfb, 0xf6, 0xe4), QColor(0xe6, 0xd9, 0xb0));
    p.setPen(roundPen(QColor(0x9a, 0x8a, 0x6a), 1.0));
    for (const qreal y : {13.0, 17.0, 21.0, 25.0})
        p.drawLine(QPointF(7, y), QPointF(y < 20 ? 19 : 14, y));

    const QColor arrow(0x2a, 0x6f, 0xc9);
    p.setPen(roundPen(arrow, 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(18, 15, 11, 11), 200 * 16, 250 * 16);
    p.setPen(roundPen(arrow, 1.0));
    p.setBrush(arrow);
    p.drawPolygon(QPolygonF({QPointF(16.5, 18), QPointF(21.5, 19.5), QPointF(17.5, 23.5)}));
}

} // namespace quolan
