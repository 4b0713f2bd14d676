#include "PaintedIcon.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace quolan {

PaintedIconEngine::PaintedIconEngine(PictureDrawing drawing, QSizeF designSize)
    : drawing_(std::move(drawing)), designSize_(designSize) {}

void PaintedIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                              QIcon::State) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    // Keep the aspect ratio, centred in the rectangle.
    const qreal scale =
        std::min(rect.width() / designSize_.width(), rect.height() / designSize_.height());
    const QSizeF drawn = designSize_ * scale;
    painter->translate(rect.x() + (rect.width() - drawn.width()) / 2,
                       rect.y() + (rect.height() - drawn.height()) / 2);
    painter->scale(scale, scale);
    if (mode == QIcon::Disabled)
        painter->setOpacity(0.4);
    drawing_(*painter);
    painter->restore();
}

// Qt hands `size` over in device pixels already, `scale` being the ratio the
// pixmap is to carry.
QPixmap PaintedIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                        qreal scale) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    }
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

QPixmap PaintedIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1.0);
}

QIconEngine* PaintedIconEngine::clone() const {
    return new PaintedIconEngine(drawing_, designSize_);
}

QPen roundPen(QColor colour, qreal width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void drawSheet(QPainter& p, qreal left, QColor paper, QColor fold) {
    QPainterPath sheet;
    sheet.moveTo(left, 3);
    sheet.lineTo(left + 13, 3);
    sheet.lineTo(left + 19, 9);
    sheet.lineTo(left + 19, 29);
    sheet.lineTo(left, 29);
    sheet.closeSubpath();
    p.setPen(roundPen(kPictureInk, 1.2));
    p.setBrush(paper);
    p.drawPath(sheet);
    p.setBrush(fold);
    p.drawPolygon(QPolygonF({QPointF(left + 13, 3), QPointF(left + 13, 9), QPointF(left + 19, 9)}));
}

QIcon paintedIcon(PictureDrawing drawing, QSizeF designSize) {
    return QIcon(new PaintedIconEngine(std::move(drawing), designSize));
}

QPixmap paintedPixmap(const PictureDrawing& drawing, QSizeF designSize, QSize size,
                      qreal devicePixelRatio) {
    PaintedIconEngine engine(drawing, designSize);
    const QSize device(static_cast<int>(std::ceil(size.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(size.height() * devicePixelRatio)));
    return engine.scaledPixmap(device, QIcon::Normal, QIcon::Off, devicePixelRatio);
}

} // namespace quolan
