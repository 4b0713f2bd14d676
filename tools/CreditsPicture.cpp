// Draws the credits window's picture and writes it as a JPEG:
//   credits_picture <out.jpg>
// The program decodes it at run time; run this to remake it.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

// A night tower on a hill under a large moon, in the windows' greens.
QImage draw() {
    QImage image(145, 185, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 185);
    sky.setColorAt(0, QColor(0, 10, 0));
    sky.setColorAt(1, QColor(0, 50, 10));
    p.fillRect(image.rect(), sky);

    QRadialGradient glow(QPointF(98, 46), 44);
    glow.setColorAt(0, QColor(120, 255, 120, 120));
    glow.setColorAt(1, QColor(0, 255, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(98, 46), 44, 44);
    p.setBrush(QColor(200, 255, 190));
    p.drawEllipse(QPointF(98, 46), 22, 22);
    p.setBrush(QColor(0, 20, 0));
    p.drawEllipse(QPointF(108, 40), 20, 20); // a crescent

    p.setPen(QColor(150, 255, 150));
    const QPointF stars[] = {{14, 18}, {40, 9}, {62, 30}, {23, 52}, {132, 14}, {128, 86}, {8, 80}};
    for (const QPointF& star : stars)
        p.drawPoint(star);

    QPainterPath hill;
    hill.moveTo(0, 185);
    hill.lineTo(0, 150);
    hill.cubicTo(40, 128, 100, 126, 145, 146);
    hill.lineTo(145, 185);
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 70, 0));
    p.drawPath(hill);

    // The tower with battlements and one lit window.
    p.setBrush(QColor(0, 28, 0));
    p.setPen(QPen(QColor(0, 200, 0), 1.2));
    QPainterPath tower;
    tower.moveTo(42, 140);
    tower.lineTo(46, 78);
    for (int i = 0; i < 4; ++i) {
        const qreal x = 46 + i * 9;
        tower.lineTo(x, 70);
        tower.lineTo(x + 4.5, 70);
        tower.lineTo(x + 4.5, 78);
        tower.lineTo(x + 9, 78);
    }
    tower.lineTo(86, 140);
    tower.closeSubpath();
    p.drawPath(tower);
    p.setBrush(QColor(180, 255, 120));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(60, 96, 7, 11), 3, 3);

    p.setPen(QColor(0, 255, 0));
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(0, 164, 145, 16), Qt::AlignCenter, QStringLiteral("[Brennow]"));
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: credits_picture <out.jpg>\n");
        return 2;
    }
    if (!draw().save(QString::fromLocal8Bit(argv[1]), "JPEG", 92)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
