#pragma once

#include <QColor>
#include <QIcon>
#include <QIconEngine>
#include <QPen>
#include <QPixmap>

#include <functional>

class QPainter;

namespace quolan {

// Draws a picture on a square canvas of `kDesignSize` units, scaled to
// whatever size is asked for, so pictures stay crisp at any scale.
using PictureDrawing = std::function<void(QPainter&)>;

class PaintedIconEngine final : public QIconEngine {
public:
    explicit PaintedIconEngine(PictureDrawing drawing, QSizeF designSize);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QIconEngine* clone() const override;

private:
    PictureDrawing drawing_;
    QSizeF designSize_;
};

QIcon paintedIcon(PictureDrawing drawing, QSizeF designSize = {16, 16});

// The ink of the program's line drawings, and the round-ended pen they use.
inline const QColor kPictureInk(0x2b, 0x3a, 0x55);
QPen roundPen(QColor colour, qreal width);
// A sheet of paper 19 units wide and 26 high, from `left` and 3 units down,
// its top right corner turned; the post pictures write on it.
void drawSheet(QPainter& p, qreal left, QColor paper, QColor fold);
QPixmap paintedPixmap(const PictureDrawing& drawing, QSizeF designSize, QSize size,
                      qreal devicePixelRatio = 1.0);

} // namespace quolan
