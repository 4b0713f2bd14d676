#include "Pictures.h"

#include "PaintedIcon.h"

#include <QPainter>
#include <QPainterPath>

#include <map>

namespace quolan {

namespace {

const QColor kAccent(0x2f, 0x7d, 0xd1);

// Four text lines, aligned as the tag aligns them.
void drawAlignedLines(QPainter& p, bool centred) {
    p.setPen(roundPen(kPictureInk, 1.6));
    const qreal widths[] = {12, 8, 12, 6};
    for (int i = 0; i < 4; ++i) {
        const qreal y = 3.5 + i * 3.0;
        const qreal w = widths[i];
        const qreal x = centred ? (16 - w) / 2 : 14 - w;
        p.drawLine(QPointF(x, y), QPointF(x + w, y));
    }
}

void drawCenter(QPainter& p) {
    drawAlignedLines(p, true);
}
void drawRight(QPainter& p) {
    drawAlignedLines(p, false);
}

// A globe with a meridian and parallels: pages of the forum.
void drawLinks(QPainter& p) {
    p.setPen(roundPen(kAccent.darker(130), 1.1));
    p.setBrush(QColor(0xd8, 0xea, 0xfb));
    p.drawEllipse(QRectF(2, 2, 12, 12));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5.5, 2, 5, 12));
    p.drawLine(QPointF(2.3, 8), QPointF(13.7, 8));
    p.drawLine(QPointF(3.3, 5), QPointF(12.7, 5));
    p.drawLine(QPointF(3.3, 11), QPointF(12.7, 11));
}

// A clipboard holding a written sheet.
void drawClipboard(QPainter& p) {
    p.setPen(roundPen(QColor(0x7a, 0x4e, 0x22), 1.0));
    p.setBrush(QColor(0xc8, 0x8f, 0x4f));
    p.drawRoundedRect(QRectF(2.5, 2.5, 11, 13), 1.5, 1.5);
    p.setPen(roundPen(QColor(0x99, 0x99, 0x99), 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 4.5, 8, 9.5));
    p.setPen(roundPen(kPictureInk, 0.9));
    for (qreal y : {7.0, 9.0, 11.0})
        p.drawLine(QPointF(5.3, y), QPointF(10.7, y));
    p.setPen(roundPen(QColor(0x55, 0x55, 0x55), 0.9));
    p.setBrush(QColor(0xd0, 0xd0, 0xd0));
    p.drawRoundedRect(QRectF(5.5, 1, 5, 3), 1, 1);
}

// A large and a small letter A with a pen stroke: the font name.
void drawFont(QPainter& p) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kPictureInk);
    p.drawText(QRectF(0, 1, 11, 14), Qt::AlignCenter, QStringLiteral("A"));
    font.setPixelSize(8);
    p.setFont(font);
    p.setPen(kAccent);
    p.drawText(QRectF(8, 5, 8, 10), Qt::AlignCenter, QStringLiteral("a"));
}

// A painter's palette with three colours.
void drawColor(QPainter& p) {
    QPainterPath palette;
    palette.addEllipse(QRectF(1.5, 2.5, 13, 11));
    QPainterPath thumb;
    thumb.addEllipse(QRectF(8.5, 8.5, 3, 3));
    p.setPen(roundPen(QColor(0x8a, 0x6a, 0x3c), 0.9));
    p.setBrush(QColor(0xf0, 0xd9, 0xa8));
    p.drawPath(palette.subtracted(thumb));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9, 0x2b, 0x2b));
    p.drawEllipse(QRectF(3.5, 5, 3, 3));
    p.setBrush(QColor(0x2b, 0x9a, 0x3c));
    p.drawEllipse(QRectF(7, 3.8, 3, 3));
    p.setBrush(QColor(0x2f, 0x5f, 0xd9));
    p.drawEllipse(QRectF(4.3, 8.8, 3, 3));
}

// A framed landscape: an image.
void drawImage(QPainter& p) {
    p.setPen(roundPen(kPictureInk, 1.0));
    p.setBrush(QColor(0xe4, 0xf1, 0xfd));
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0xb1, 0x1a));
    p.drawEllipse(QRectF(9.5, 4, 3, 3));
    QPainterPath hills;
    hills.moveTo(2, 13);
    hills.lineTo(6, 7.5);
    hills.lineTo(9, 11);
    hills.lineTo(11, 9);
    hills.lineTo(14, 13);
    hills.closeSubpath();
    p.setBrush(QColor(0x3d, 0x9a, 0x4a));
    p.drawPath(hills);
}

// Two chain links: a link.
void drawLink(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(kAccent.darker(120), 1.8));
    p.save();
    p.translate(8, 8);
    p.rotate(-45);
    p.drawRoundedRect(QRectF(-7, -2.5, 8, 5), 2.5, 2.5);
    p.setPen(roundPen(kPictureInk, 1.8));
    p.drawRoundedRect(QRectF(-1, -2.5, 8, 5), 2.5, 2.5);
    p.restore();
}

const std::map<std::string_view, void (*)(QPainter&)>& toolbarDrawings() {
    static const std::map<std::string_view, void (*)(QPainter&)> drawings = {
        {"center", drawCenter},       {"right", drawRight}, {"links", drawLinks},
        {"clipboard", drawClipboard}, {"font", drawFont},   {"color", drawColor},
        {"image", drawImage},         {"link", drawLink},
    };
    return drawings;
}

} // namespace

QIcon toolbarPicture(std::string_view name) {
    const auto& drawings = toolbarDrawings();
    const auto it = drawings.find(name);
    if (it == drawings.end())
        return {};
    return paintedIcon(it->second);
}

// A speech bubble holding a pair of tag brackets: a post with its codes.
void drawProgramIcon(QPainter& p) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(3, 5, 42, 30), 9, 9);
    QPainterPath tail;
    tail.moveTo(12, 33);
    tail.lineTo(9, 44);
    tail.lineTo(22, 34);
    tail.closeSubpath();
    bubble = bubble.united(tail);
    QLinearGradient fill(0, 5, 0, 44);
    fill.setColorAt(0, QColor(0x4f, 0x9b, 0xe8));
    fill.setColorAt(1, QColor(0x1f, 0x5c, 0xa8));
    p.setPen(QPen(QColor(0x17, 0x3f, 0x73), 1.5));
    p.setBrush(fill);
    p.drawPath(bubble);

    QPen bracket(Qt::white, 3.2);
    bracket.setJoinStyle(Qt::MiterJoin);
    bracket.setCapStyle(Qt::FlatCap);
    p.setPen(bracket);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(16, 12), QPointF(11, 12), QPointF(11, 28), QPointF(16, 28)}));
    p.drawPolyline(QPolygonF({QPointF(32, 12), QPointF(37, 12), QPointF(37, 28), QPointF(32, 28)}));
    // A quill stroke between the brackets.
    p.setPen(QPen(QColor(0xff, 0xd8, 0x4d), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 26), QPointF(29, 14));
    p.setPen(QPen(QColor(0xff, 0xd8, 0x4d), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 28), QPointF(19.5, 25.5));
}

QIcon programIcon() {
    return paintedIcon(drawProgramIcon, kProgramIconDesignSize);
}

} // namespace quolan
