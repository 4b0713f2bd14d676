#pragma once

#include "gui/pictures/PaintedIcon.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <functional>

// Shared pieces of the smiley drawings. Faces are drawn on a 16-unit square
// that `inBox` places anywhere in a picture, so one face design serves every
// size.
namespace quolan::smiley {

struct Skin {
    QColor light;
    QColor mid;
    QColor edge;
    QColor outline;
};

Skin yellowSkin();
Skin orangeSkin();
Skin redSkin();
Skin purpleSkin();
Skin pinkSkin();

inline const QColor kFeature(0x4a, 0x2c, 0x0f);
inline const QColor kMouth(0x8e, 0x1b, 0x1b);
inline const QColor kTongue(0xff, 0x73, 0x8a);
inline const QColor kTear(0x3f, 0x9c, 0xf5);
inline const QColor kHeart(0xe8, 0x23, 0x3c);

void stroke(QPainter& p, const QPainterPath& path, QColor colour, qreal width);
void fill(QPainter& p, const QPainterPath& path, const QBrush& brush, QColor outline = {},
          qreal width = 0);
QPainterPath curve(QPointF from, QPointF control, QPointF to);
QPainterPath heart(QPointF centre, qreal size);
QPainterPath star(QPointF centre, qreal outer, qreal inner, int points = 5);

// Runs `draw` with the painter mapped so that a 16-unit square fills `box`.
void inBox(QPainter& p, const QRectF& box, const std::function<void()>& draw);

// In 16-unit face space: the disc, and the common features.
void faceDisc(QPainter& p, const Skin& skin = yellowSkin());
void dotEye(QPainter& p, QPointF centre, qreal width = 1.7, qreal height = 2.5);
void dotEyes(QPainter& p, qreal y = 6.2);
void whiteEye(QPainter& p, QPointF centre, qreal radius, QPointF pupil, qreal pupilRadius);
void smile(QPainter& p, qreal depth = 3.6, qreal width = 1.25);
void frown(QPainter& p, qreal y = 12.2, qreal width = 1.2);
void grin(QPainter& p);
void blush(QPainter& p, qreal alpha = 0.55);
void brow(QPainter& p, QPointF from, QPointF to, qreal width = 1.0);

// A text squeezed to fit `rect` across, centred.
void fittedText(QPainter& p, const QRectF& rect, const QString& text, const QFont& font,
                QColor colour);

} // namespace quolan::smiley
