#include "SmileyDrawing.h"

#include <QFontMetricsF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quolan::smiley {

Skin yellowSkin() {
    return {QColor(0xff, 0xf6, 0xa0), QColor(0xff, 0xd6, 0x2e), QColor(0xf2, 0xa2, 0x00),
            QColor(0xa8, 0x68, 0x00)};
}
Skin orangeSkin() {
    return {QColor(0xff, 0xe0, 0x8a), QColor(0xff, 0xa8, 0x3a), QColor(0xe8, 0x70, 0x14),
            QColor(0x9c, 0x45, 0x08)};
}
Skin redSkin() {
    return {QColor(0xff, 0xa8, 0x96), QColor(0xf2, 0x4e, 0x36), QColor(0xc4, 0x1f, 0x14),
            QColor(0x7c, 0x10, 0x0a)};
}
Skin purpleSkin() {
    return {QColor(0xe8, 0xb8, 0xff), QColor(0xa8, 0x5c, 0xe6), QColor(0x74, 0x2c, 0xb0),
            QColor(0x46, 0x14, 0x72)};
}
Skin pinkSkin() {
    return {QColor(0xff, 0xee, 0xa8), QColor(0xff, 0xc8, 0x5a), QColor(0xf0, 0x8a, 0x4a),
            QColor(0xa8, 0x58, 0x20)};
}

void stroke(QPainter& p, const QPainterPath& path, QColor colour, qreal width) {
    p.setPen(roundPen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void fill(QPainter& p, const QPainterPath& path, const QBrush& brush, QColor outline, qreal width) {
    if (outline.isValid() && width > 0)
        p.setPen(roundPen(outline, width));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(path);
}

QPainterPath curve(QPointF from, QPointF control, QPointF to) {
    QPainterPath path(from);
    path.quadTo(control, to);
    return path;
}

QPainterPath heart(QPointF c, qreal s) {
    // Two lobes meeting in a point below; `s` is the full width.
    const qreal h = s / 2;
    QPainterPath path(QPointF(c.x(), c.y() + h * 0.95));
    path.cubicTo(QPointF(c.x() - h * 0.3, c.y() + h * 0.55), QPointF(c.x() - h * 1.05, c.y()),
                 QPointF(c.x() - h, c.y() - h * 0.35));
    path.cubicTo(QPointF(c.x() - h * 0.95, c.y() - h * 0.95), QPointF(c.x() - h * 0.1, c.y() - h),
                 QPointF(c.x(), c.y() - h * 0.45));
    path.cubicTo(QPointF(c.x() + h * 0.1, c.y() - h), QPointF(c.x() + h * 0.95, c.y() - h * 0.95),
                 QPointF(c.x() + h, c.y() - h * 0.35));
    path.cubicTo(QPointF(c.x() + h * 1.05, c.y()), QPointF(c.x() + h * 0.3, c.y() + h * 0.55),
                 QPointF(c.x(), c.y() + h * 0.95));
    path.closeSubpath();
    return path;
}

QPainterPath star(QPointF c, qreal outer, qreal inner, int points) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        const QPointF at(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

void inBox(QPainter& p, const QRectF& box, const std::function<void()>& draw) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 16.0, box.height() / 16.0);
    draw();
    p.restore();
}

void faceDisc(QPainter& p, const Skin& skin) {
    QRadialGradient shade(QPointF(6.2, 5.4), 9.6, QPointF(5.6, 4.6));
    shade.setColorAt(0, skin.light);
    shade.setColorAt(0.55, skin.mid);
    shade.setColorAt(1, skin.edge);
    QPainterPath disc;
    disc.addEllipse(QPointF(8, 8), 7.45, 7.45);
    fill(p, disc, shade, skin.outline, 0.9);
}

void dotEye(QPainter& p, QPointF c, qreal w, qreal h) {
    QPainterPath eye;
    eye.addEllipse(c, w / 2, h / 2);
    fill(p, eye, kFeature);
}

void dotEyes(QPainter& p, qreal y) {
    dotEye(p, QPointF(5.5, y));
    dotEye(p, QPointF(10.5, y));
}

void whiteEye(QPainter& p, QPointF c, qreal r, QPointF pupil, qreal pupilRadius) {
    QPainterPath white;
    white.addEllipse(c, r, r * 1.08);
    fill(p, white, Qt::white, kFeature, 0.6);
    QPainterPath dot;
    dot.addEllipse(c + pupil, pupilRadius, pupilRadius);
    fill(p, dot, kFeature);
}

void smile(QPainter& p, qreal depth, qreal width) {
    stroke(p, curve(QPointF(4.3, 9.5), QPointF(8, 9.5 + depth), QPointF(11.7, 9.5)), kFeature,
           width);
}

void frown(QPainter& p, qreal y, qreal width) {
    stroke(p, curve(QPointF(4.8, y), QPointF(8, y - 3.2), QPointF(11.2, y)), kFeature, width);
}

void grin(QPainter& p) {
    QPainterPath mouth(QPointF(3.7, 8.9));
    mouth.quadTo(QPointF(8, 9.9), QPointF(12.3, 8.9));
    mouth.quadTo(QPointF(11.8, 14.2), QPointF(8, 14.2));
    mouth.quadTo(QPointF(4.2, 14.2), QPointF(3.7, 8.9));
    mouth.closeSubpath();
    fill(p, mouth, kMouth, kFeature, 0.8);
    p.save();
    p.setClipPath(mouth);
    QPainterPath teeth;
    teeth.addRect(QRectF(3, 8, 10, 2.7));
    fill(p, teeth, Qt::white);
    QPainterPath tongue;
    tongue.addEllipse(QPointF(8, 14.4), 2.6, 1.6);
    fill(p, tongue, kTongue);
    p.restore();
    p.setPen(roundPen(kFeature, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

void blush(QPainter& p, qreal alpha) {
    QColor rose(0xff, 0x5c, 0x6c);
    rose.setAlphaF(static_cast<float>(alpha));
    QPainterPath cheeks;
    cheeks.addEllipse(QPointF(3.6, 9.6), 1.7, 1.1);
    cheeks.addEllipse(QPointF(12.4, 9.6), 1.7, 1.1);
    fill(p, cheeks, rose);
}

void brow(QPainter& p, QPointF from, QPointF to, qreal width) {
    QPainterPath line(from);
    line.lineTo(to);
    stroke(p, line, kFeature, width);
}

void fittedText(QPainter& p, const QRectF& rect, const QString& text, const QFont& font,
                QColor colour) {
    p.save();
    p.setFont(font);
    p.setPen(colour);
    const QFontMetricsF metrics(font);
    const qreal natural = metrics.horizontalAdvance(text);
    const qreal squeeze = natural > rect.width() ? rect.width() / natural : 1.0;
    p.translate(rect.center());
    p.scale(squeeze, 1.0);
    const QRectF area(-natural / 2 - 1, -rect.height() / 2, natural + 2, rect.height());
    p.drawText(area, Qt::AlignCenter, text);
    p.restore();
}

} // namespace quolan::smiley
