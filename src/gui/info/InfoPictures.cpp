#include "InfoPictures.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace quolan {

QPixmap aboutLogo() {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap logo(QSize(280, 150) * ratio);
    logo.setDevicePixelRatio(ratio);
    logo.fill(Qt::black);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);

    // A quill's nib over a square bracket pair: markup written by hand.
    QPen bracketPen(QColor(0, 160, 0), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(bracketPen);
    p.drawPolyline(QPolygonF({QPointF(38, 22), QPointF(22, 22), QPointF(22, 86), QPointF(38, 86)}));
    p.drawPolyline(
        QPolygonF({QPointF(242, 22), QPointF(258, 22), QPointF(258, 86), QPointF(242, 86)}));

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setStyleHint(QFont::Serif);
    title.setPixelSize(46);
    title.setBold(true);
    QPainterPath word;
    word.addText(0, 0, title, QStringLiteral("Quolan"));
    const QRectF bounds = word.boundingRect();
    word.translate(140 - bounds.center().x(), 54 - bounds.center().y());
    QLinearGradient fill(0, 30, 0, 80);
    fill.setColorAt(0, QColor(170, 255, 170));
    fill.setColorAt(1, QColor(0, 190, 0));
    p.setPen(QPen(QColor(0, 90, 0), 1.5));
    p.setBrush(fill);
    p.drawPath(word);

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setStyleHint(QFont::SansSerif);
    small.setPixelSize(13);
    p.setFont(small);
    p.setPen(QColor(0, 255, 0));
    p.drawText(QRectF(0, 96, 280, 18), Qt::AlignCenter, QStringLiteral("[b]for Brennow[/b]"));

    // A line of tiny tags fading out, like a post scrolling away.
    p.setPen(QPen(QColor(0, 120, 0), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 9; ++i) {
        const qreal x = 34 + i * 24;
        p.setOpacity(1.0 - i * 0.09);
        p.drawLine(QPointF(x, 128), QPointF(x + 14, 128));
    }
    return logo;
}

QPixmap creditsPicture(const QString& path) {
    QImageReader reader(path, "jpeg");
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

} // namespace quolan
