// The faces of the standard page.
#include "SmileyDrawing.h"
#include "SmileyPictureSet.h"

#include <QFont>
#include <QLinearGradient>

namespace quolan::smiley {

namespace {

const QRectF kSmall(0, 0, 15, 15);

void drawCool(QPainter& p) {
    inBox(p, kSmall, [&] {
        faceDisc(p);
        QPainterPath lenses;
        lenses.addRoundedRect(QRectF(2.4, 4.4, 5.0, 3.6), 1.2, 1.4);
        lenses.addRoundedRect(QRectF(8.6, 4.4, 5.0, 3.6), 1.2, 1.4);
        fill(p, lenses, QColor(0x1c, 0x1c, 0x24), QColor(0x10, 0x10, 0x14), 0.5);
        stroke(p, curve(QPointF(7.2, 5.0), QPointF(8, 4.5), QPointF(8.8, 5.0)),
               QColor(0x10, 0x10, 0x14), 0.8);
        stroke(p, curve(QPointF(1.0, 5.2), QPointF(1.6, 4.8), QPointF(2.5, 5.0)),
               QColor(0x10, 0x10, 0x14), 0.6);
        stroke(p, curve(QPointF(15.0, 5.2), QPointF(14.4, 4.8), QPointF(13.5, 5.0)),
               QColor(0x10, 0x10, 0x14), 0.6);
        // A glint on each lens.
        stroke(p, curve(QPointF(3.4, 5.6), QPointF(3.8, 5.0), QPointF(4.6, 4.9)), Qt::white, 0.55);
        stroke(p, curve(QPointF(9.6, 5.6), QPointF(10.0, 5.0), QPointF(10.8, 4.9)), Qt::white,
               0.55);
        // A sure half smile.
        stroke(p, curve(QPointF(5.2, 10.6), QPointF(8.8, 12.8), QPointF(11.6, 9.4)), kFeature, 1.2);
    });
}

void drawWink(QPainter& p) {
    inBox(p, kSmall, [&] {
        faceDisc(p);
        stroke(p, curve(QPointF(3.9, 6.6), QPointF(5.5, 4.9), QPointF(7.1, 6.6)), kFeature, 1.1);
        dotEye(p, QPointF(10.5, 6.0));
        stroke(p, curve(QPointF(4.4, 9.6), QPointF(8.5, 13.6), QPointF(11.9, 9.0)), kFeature, 1.25);
        stroke(p, curve(QPointF(11.4, 8.4), QPointF(12.1, 8.9), QPointF(12.4, 9.8)), kFeature, 0.7);
    });
}

void drawEek(QPainter& p) {
    inBox(p, kSmall, [&] {
        faceDisc(p);
        whiteEye(p, QPointF(5.4, 6.3), 2.25, QPointF(0, 0.1), 0.75);
        whiteEye(p, QPointF(10.6, 6.3), 2.25, QPointF(0, 0.1), 0.75);
        stroke(p, curve(QPointF(3.4, 3.0), QPointF(5.2, 1.9), QPointF(7.0, 2.8)), kFeature, 0.8);
        stroke(p, curve(QPointF(9.0, 2.8), QPointF(10.8, 1.9), QPointF(12.6, 3.0)), kFeature, 0.8);
        QPainterPath mouth;
        mouth.addEllipse(QPointF(8, 11.8), 1.5, 1.9);
        fill(p, mouth, kMouth, kFeature, 0.7);
    });
}

void drawRollEyes(QPainter& p) {
    inBox(p, kSmall, [&] {
        faceDisc(p);
        whiteEye(p, QPointF(5.5, 6.0), 2.0, QPointF(0.5, -1.05), 0.85);
        whiteEye(p, QPointF(10.5, 6.0), 2.0, QPointF(0.5, -1.05), 0.85);
        stroke(p, curve(QPointF(5.3, 11.3), QPointF(8, 11.6), QPointF(10.9, 10.4)), kFeature, 1.15);
    });
}

void drawAngry(QPainter& p) {
    inBox(p, kSmall, [&] {
        faceDisc(p, orangeSkin());
        brow(p, QPointF(3.4, 3.7), QPointF(7.0, 5.4), 1.25);
        brow(p, QPointF(12.6, 3.7), QPointF(9.0, 5.4), 1.25);
        dotEye(p, QPointF(5.6, 7.0), 1.6, 2.0);
        dotEye(p, QPointF(10.4, 7.0), 1.6, 2.0);
        frown(p, 12.4, 1.3);
    });
}

void drawSmile(QPainter& p) {
    inBox(p, kSmall, [&] {
        faceDisc(p);
        dotEyes(p);
        smile(p);
    });
}

void drawBigGrin(QPainter& p) {
    inBox(p, kSmall, [&] {
        faceDisc(p);
        dotEyes(p, 5.6);
        grin(p);
    });
}

void drawSurprised(QPainter& p) {
    inBox(p, kSmall, [&] {
        faceDisc(p);
        dotEye(p, QPointF(5.5, 5.8), 1.9, 2.6);
        dotEye(p, QPointF(10.5, 5.8), 1.9, 2.6);
        QPainterPath mouth;
        mouth.addEllipse(QPointF(8, 11.3), 2.3, 2.3);
        mouth.addEllipse(QPointF(8, 11.3), 1.1, 1.1);
        mouth.setFillRule(Qt::OddEvenFill);
        fill(p, mouth, kFeature);
    });
}

void drawSad(QPainter& p) {
    inBox(p, kSmall, [&] {
        faceDisc(p);
        brow(p, QPointF(3.6, 4.5), QPointF(6.6, 3.5), 0.85);
        brow(p, QPointF(12.4, 4.5), QPointF(9.4, 3.5), 0.85);
        dotEyes(p, 6.6);
        frown(p, 12.6);
    });
}

void drawConfused(QPainter& p) {
    // A question mark over a puzzled face.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(9);
    p.save();
    p.setFont(font);
    p.setPen(roundPen(QColor(0x1d, 0x5f, 0xc9), 1));
    p.drawText(QRectF(5, -1.6, 10, 9.5), Qt::AlignCenter, QStringLiteral("?"));
    p.restore();
    inBox(p, QRectF(0, 7, 15, 15), [&] {
        faceDisc(p);
        brow(p, QPointF(3.6, 3.6), QPointF(6.8, 3.2), 0.85);
        stroke(p, curve(QPointF(9.2, 2.6), QPointF(10.8, 1.8), QPointF(12.4, 3.0)), kFeature, 0.85);
        dotEye(p, QPointF(5.3, 6.2), 1.6, 2.3);
        dotEye(p, QPointF(10.7, 6.0), 1.6, 2.5);
        QPainterPath wave(QPointF(4.6, 11.2));
        wave.cubicTo(QPointF(6.0, 9.8), QPointF(7.2, 12.4), QPointF(8.4, 11.0));
        wave.cubicTo(QPointF(9.4, 9.8), QPointF(10.6, 12.0), QPointF(11.6, 10.6));
        stroke(p, wave, kFeature, 1.05);
    });
}

void drawTongue(QPainter& p) {
    inBox(p, kSmall, [&] {
        faceDisc(p);
        dotEyes(p, 5.8);
        QPainterPath tongue(QPointF(6.6, 9.9));
        tongue.lineTo(QPointF(6.6, 12.2));
        tongue.quadTo(QPointF(6.8, 14.4), QPointF(8.6, 14.4));
        tongue.quadTo(QPointF(10.4, 14.4), QPointF(10.6, 12.2));
        tongue.lineTo(QPointF(10.6, 9.9));
        tongue.closeSubpath();
        fill(p, tongue, kTongue, QColor(0xb0, 0x2a, 0x48), 0.6);
        stroke(p, curve(QPointF(8.6, 10.4), QPointF(8.6, 11.8), QPointF(8.6, 12.6)),
               QColor(0xc8, 0x3c, 0x5a), 0.5);
        stroke(p, curve(QPointF(4.2, 9.2), QPointF(8, 11.2), QPointF(11.8, 9.2)), kFeature, 1.2);
    });
}

void drawMad(QPainter& p) {
    inBox(p, kSmall, [&] {
        faceDisc(p, redSkin());
        brow(p, QPointF(3.2, 3.4), QPointF(7.2, 5.8), 1.35);
        brow(p, QPointF(12.8, 3.4), QPointF(8.8, 5.8), 1.35);
        dotEye(p, QPointF(5.4, 7.2), 1.5, 1.7);
        dotEye(p, QPointF(10.6, 7.2), 1.5, 1.7);
        QPainterPath teeth;
        teeth.addRoundedRect(QRectF(4.4, 9.8, 7.2, 3.4), 1.2, 1.2);
        fill(p, teeth, Qt::white, kFeature, 0.75);
        QPainterPath gaps;
        gaps.moveTo(4.6, 11.5);
        gaps.lineTo(11.4, 11.5);
        for (const qreal x : {6.2, 8.0, 9.8}) {
            gaps.moveTo(x, 9.9);
            gaps.lineTo(x, 13.1);
        }
        stroke(p, gaps, kFeature, 0.5);
    });
}

void drawCrying(QPainter& p) {
    inBox(p, QRectF(1.3, 0.4, 16.4, 16.4), [&] {
        faceDisc(p);
        brow(p, QPointF(3.5, 4.4), QPointF(6.6, 3.3), 0.8);
        brow(p, QPointF(12.5, 4.4), QPointF(9.4, 3.3), 0.8);
        stroke(p, curve(QPointF(3.9, 6.0), QPointF(5.4, 7.6), QPointF(6.9, 6.0)), kFeature, 1.0);
        stroke(p, curve(QPointF(9.1, 6.0), QPointF(10.6, 7.6), QPointF(12.1, 6.0)), kFeature, 1.0);
        QPainterPath mouth(QPointF(5.0, 12.8));
        mouth.quadTo(QPointF(8, 8.6), QPointF(11.0, 12.8));
        mouth.quadTo(QPointF(8, 11.8), QPointF(5.0, 12.8));
        fill(p, mouth, kMouth, kFeature, 0.8);
    });
    // Tears running down and dripping off the chin.
    QColor stream = kTear;
    stream.setAlphaF(0.85f);
    stroke(p, curve(QPointF(5.2, 7.4), QPointF(4.2, 11.6), QPointF(4.0, 16.0)), stream, 1.3);
    stroke(p, curve(QPointF(13.8, 7.4), QPointF(14.8, 11.6), QPointF(15.0, 16.0)), stream, 1.3);
    for (const qreal x : {3.6, 15.4}) {
        QPainterPath drop(QPointF(x, 16.4));
        drop.quadTo(QPointF(x - 1.3, 18.4), QPointF(x, 19.4));
        drop.quadTo(QPointF(x + 1.3, 18.4), QPointF(x, 16.4));
        fill(p, drop, kTear, kTear.darker(140), 0.4);
    }
}

// A bearded thinker with round glasses and a pipe.
void drawFreud(QPainter& p) {
    inBox(p, QRectF(2, 1, 28, 28), [&] {
        faceDisc(p, pinkSkin());
        const QColor hair(0xf4, 0xf4, 0xf0);
        const QColor hairEdge(0x9a, 0x9a, 0x98);
        QPainterPath sides;
        sides.addEllipse(QPointF(1.6, 6.2), 1.7, 2.6);
        sides.addEllipse(QPointF(14.4, 6.2), 1.7, 2.6);
        fill(p, sides, hair, hairEdge, 0.35);
        QPainterPath beard(QPointF(1.8, 8.2));
        beard.quadTo(QPointF(2.6, 12.2), QPointF(5.2, 14.6));
        beard.quadTo(QPointF(8, 17.8), QPointF(10.8, 14.6));
        beard.quadTo(QPointF(13.4, 12.2), QPointF(14.2, 8.2));
        beard.quadTo(QPointF(12.6, 11.4), QPointF(10.2, 10.2));
        beard.quadTo(QPointF(8, 9.2), QPointF(5.8, 10.2));
        beard.quadTo(QPointF(3.4, 11.4), QPointF(1.8, 8.2));
        fill(p, beard, hair, hairEdge, 0.35);
        QPainterPath moustache(QPointF(4.6, 10.6));
        moustache.quadTo(QPointF(8, 7.8), QPointF(11.4, 10.6));
        moustache.quadTo(QPointF(8, 9.8), QPointF(4.6, 10.6));
        fill(p, moustache, QColor(0xe0, 0xe0, 0xdc), hairEdge, 0.35);
        brow(p, QPointF(3.6, 4.0), QPointF(6.6, 3.8), 0.55);
        brow(p, QPointF(9.4, 3.8), QPointF(12.4, 4.0), 0.55);
        dotEye(p, QPointF(5.2, 6.0), 1.0, 1.2);
        dotEye(p, QPointF(10.8, 6.0), 1.0, 1.2);
        QPainterPath glasses;
        glasses.addEllipse(QPointF(5.2, 6.0), 1.9, 1.8);
        glasses.addEllipse(QPointF(10.8, 6.0), 1.9, 1.8);
        glasses.moveTo(7.1, 5.8);
        glasses.quadTo(QPointF(8, 5.2), QPointF(8.9, 5.8));
        stroke(p, glasses, QColor(0x3a, 0x2a, 0x1a), 0.45);
    });
    // The pipe, from the corner of the mouth.
    QPainterPath stem(QPointF(18.0, 19.6));
    stem.quadTo(QPointF(21.5, 22.0), QPointF(24.6, 21.6));
    stroke(p, stem, QColor(0x2a, 0x1a, 0x10), 1.6);
    QPainterPath bowl(QPointF(23.2, 17.8));
    bowl.lineTo(QPointF(28.6, 17.8));
    bowl.quadTo(QPointF(28.8, 23.6), QPointF(25.9, 23.8));
    bowl.quadTo(QPointF(23.0, 23.6), QPointF(23.2, 17.8));
    fill(p, bowl, QColor(0x8a, 0x4a, 0x1c), QColor(0x4a, 0x24, 0x0c), 0.7);
    QPainterPath embers;
    embers.addEllipse(QPointF(25.9, 17.9), 2.4, 0.7);
    fill(p, embers, QColor(0xe8, 0x5a, 0x1c));
    QPainterPath smoke(QPointF(26.2, 16.4));
    smoke.cubicTo(QPointF(24.4, 14.4), QPointF(28.6, 12.6), QPointF(26.6, 10.4));
    smoke.cubicTo(QPointF(25.0, 8.6), QPointF(29.4, 6.8), QPointF(28.0, 4.6));
    stroke(p, smoke, QColor(0x9a, 0xa0, 0xac), 0.9);
    QPainterPath puff;
    puff.addEllipse(QPointF(29.6, 2.8), 1.6, 1.3);
    puff.addEllipse(QPointF(27.6, 2.0), 1.4, 1.2);
    fill(p, puff.simplified(), QColor(0xd4, 0xd8, 0xe0));
}

// A little purple devil with horns and a forked tail.
void drawDevil(QPainter& p) {
    const QColor horn(0xff, 0xf0, 0xd0);
    const QColor hornEdge(0x8a, 0x6a, 0x30);
    QPainterPath horns(QPointF(3.4, 9.6));
    horns.quadTo(QPointF(1.0, 5.6), QPointF(2.0, 1.0));
    horns.quadTo(QPointF(4.2, 5.2), QPointF(7.0, 7.4));
    horns.closeSubpath();
    horns.moveTo(14.6, 9.6);
    horns.quadTo(QPointF(17.0, 5.6), QPointF(16.0, 1.0));
    horns.quadTo(QPointF(13.8, 5.2), QPointF(11.0, 7.4));
    horns.closeSubpath();
    fill(p, horns, horn, hornEdge, 0.6);
    QPainterPath tail(QPointF(14.6, 20.6));
    tail.quadTo(QPointF(18.2, 21.0), QPointF(17.2, 17.2));
    stroke(p, tail, QColor(0x46, 0x14, 0x72), 0.9);
    QPainterPath tip(QPointF(17.2, 15.4));
    tip.lineTo(QPointF(18.0, 18.0));
    tip.lineTo(QPointF(16.0, 17.6));
    tip.closeSubpath();
    fill(p, tip, QColor(0x74, 0x2c, 0xb0), QColor(0x46, 0x14, 0x72), 0.5);
    inBox(p, QRectF(0.5, 6.8, 16.6, 16.6), [&] {
        faceDisc(p, purpleSkin());
        brow(p, QPointF(3.4, 4.0), QPointF(6.8, 5.4), 1.0);
        brow(p, QPointF(12.6, 4.0), QPointF(9.2, 5.4), 1.0);
        QPainterPath eyes;
        eyes.moveTo(4.2, 6.4);
        eyes.quadTo(QPointF(5.6, 8.2), QPointF(6.8, 6.6));
        eyes.closeSubpath();
        eyes.moveTo(11.8, 6.4);
        eyes.quadTo(QPointF(10.4, 8.2), QPointF(9.2, 6.6));
        eyes.closeSubpath();
        fill(p, eyes, QColor(0xff, 0xe6, 0x4a), QColor(0x30, 0x0c, 0x50), 0.5);
        QPainterPath mouth(QPointF(3.8, 9.4));
        mouth.quadTo(QPointF(8, 11.4), QPointF(12.2, 9.4));
        mouth.quadTo(QPointF(8, 15.2), QPointF(3.8, 9.4));
        fill(p, mouth, QColor(0x3a, 0x08, 0x28), QColor(0x30, 0x0c, 0x50), 0.6);
        QPainterPath fangs(QPointF(5.4, 10.2));
        fangs.lineTo(QPointF(6.2, 12.0));
        fangs.lineTo(QPointF(7.0, 10.5));
        fangs.moveTo(9.0, 10.5);
        fangs.lineTo(QPointF(9.8, 12.0));
        fangs.lineTo(QPointF(10.6, 10.2));
        fill(p, fangs, Qt::white);
    });
}

void drawInLove(QPainter& p) {
    inBox(p, QRectF(0.4, 2.6, 16.2, 16.2), [&] {
        faceDisc(p);
        fill(p, heart(QPointF(5.2, 6.3), 4.2), kHeart, kHeart.darker(150), 0.4);
        fill(p, heart(QPointF(10.8, 6.3), 4.2), kHeart, kHeart.darker(150), 0.4);
        blush(p, 0.45);
        smile(p, 3.4, 1.2);
    });
    fill(p, heart(QPointF(18.8, 3.4), 5.6), kHeart, kHeart.darker(150), 0.5);
    fill(p, heart(QPointF(16.6, 0.9), 2.6), QColor(0xff, 0x6a, 0x8a));
}

void drawEmbarrassed(QPainter& p) {
    inBox(p, QRectF(0.6, 2.6, 16.8, 16.8), [&] {
        faceDisc(p);
        blush(p, 0.7);
        dotEye(p, QPointF(4.8, 6.8), 1.5, 2.0);
        dotEye(p, QPointF(9.8, 6.8), 1.5, 2.0);
        brow(p, QPointF(3.4, 4.6), QPointF(6.0, 4.0), 0.7);
        brow(p, QPointF(8.6, 4.0), QPointF(11.2, 4.6), 0.7);
        QPainterPath mouth(QPointF(5.6, 11.6));
        mouth.lineTo(QPointF(6.8, 10.9));
        mouth.lineTo(QPointF(8.0, 11.6));
        mouth.lineTo(QPointF(9.2, 10.9));
        mouth.lineTo(QPointF(10.4, 11.6));
        stroke(p, mouth, kFeature, 0.9);
    });
    // A drop of sweat.
    QPainterPath drop(QPointF(16.6, 0.6));
    drop.quadTo(QPointF(14.2, 4.0), QPointF(16.6, 5.0));
    drop.quadTo(QPointF(19.0, 4.0), QPointF(16.6, 0.6));
    fill(p, drop, QColor(0x9c, 0xd4, 0xff), QColor(0x2a, 0x78, 0xc8), 0.5);
}

// Alarm: an exclamation mark over a startled face.
void drawAlarmed(QPainter& p) {
    QPainterPath bar(QPointF(8.6, 0.6));
    bar.lineTo(QPointF(11.4, 0.6));
    bar.lineTo(QPointF(10.7, 5.0));
    bar.lineTo(QPointF(9.3, 5.0));
    bar.closeSubpath();
    bar.addEllipse(QPointF(10.0, 6.6), 0.95, 0.95);
    fill(p, bar, QColor(0xe0, 0x22, 0x22), QColor(0x8a, 0x0c, 0x0c), 0.4);
    inBox(p, QRectF(0.8, 7.0, 18.2, 18.0), [&] {
        faceDisc(p);
        whiteEye(p, QPointF(5.4, 6.0), 1.9, QPointF(0, 0), 0.8);
        whiteEye(p, QPointF(10.6, 6.0), 1.9, QPointF(0, 0), 0.8);
        QPainterPath mouth(QPointF(4.6, 11.4));
        mouth.lineTo(QPointF(5.9, 10.5));
        mouth.lineTo(QPointF(7.3, 11.6));
        mouth.lineTo(QPointF(8.7, 10.5));
        mouth.lineTo(QPointF(10.1, 11.6));
        mouth.lineTo(QPointF(11.4, 10.6));
        stroke(p, mouth, kFeature, 0.95);
    });
}

} // namespace

void addStandardFaces(PictureSet& set) {
    set.insert({
        {"SpeedButton5", drawCool},
        {"SpeedButton26", drawWink},
        {"SpeedButton25", drawEek},
        {"SpeedButton27", drawRollEyes},
        {"SpeedButton1", drawAngry},
        {"SpeedButton7", drawSmile},
        {"SpeedButton3", drawBigGrin},
        {"SpeedButton17", drawSurprised},
        {"SpeedButton10", drawSad},
        {"SpeedButton6", drawConfused},
        {"SpeedButton8", drawTongue},
        {"SpeedButton11", drawMad},
        {"SpeedButton33", drawCrying},
        {"SpeedButton12", drawFreud},
        {"SpeedButton34", drawDevil},
        {"SpeedButton35", drawInLove},
        {"SpeedButton37", drawEmbarrassed},
        {"SpeedButton39", drawAlarmed},
    });
}

} // namespace quolan::smiley
