// The smileys of the standard page: faces, hands and small things.
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

// A fist with its thumb up; `down` turns it over.
void drawThumb(QPainter& p, bool down) {
    p.save();
    if (down) {
        p.translate(0, 15);
        p.scale(1, -1);
    }
    const Skin skin = yellowSkin();
    QLinearGradient shade(0, 0, 12, 0);
    shade.setColorAt(0, skin.light);
    shade.setColorAt(1, skin.mid);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(3.4, 0.8, 3.6, 7.4), 1.8, 1.8);
    QPainterPath fist;
    fist.addRoundedRect(QRectF(2.0, 6.0, 9.0, 8.0), 2.2, 2.2);
    fill(p, thumb.united(fist), shade, skin.outline, 0.8);
    QPainterPath knuckles;
    for (const qreal y : {8.6, 10.6, 12.4}) {
        knuckles.moveTo(7.4, y);
        knuckles.lineTo(10.6, y);
    }
    stroke(p, knuckles, skin.outline, 0.6);
    QPainterPath cuff;
    cuff.addRoundedRect(QRectF(10.6, 5.4, 3.8, 9.2), 0.8, 0.8);
    const QColor sleeve = down ? QColor(0xd8, 0x34, 0x2c) : QColor(0x2c, 0xa0, 0x44);
    fill(p, cuff, sleeve, sleeve.darker(150), 0.7);
    p.restore();
}

void drawTop(QPainter& p) {
    drawThumb(p, false);
}
void drawFlop(QPainter& p) {
    drawThumb(p, true);
}

// A mug of beer with its head of foam.
void drawDrink(QPainter& p) {
    const QColor glassEdge(0x8a, 0x55, 0x10);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(12.0, 6.6, 5.4, 7.0), 2.4, 2.4);
    handle.addRoundedRect(QRectF(13.4, 8.2, 2.6, 3.8), 1.2, 1.2);
    handle.setFillRule(Qt::OddEvenFill);
    fill(p, handle, QColor(0xe8, 0xb8, 0x50), glassEdge, 0.7);
    QLinearGradient beer(3, 0, 13, 0);
    beer.setColorAt(0, QColor(0xff, 0xc8, 0x3c));
    beer.setColorAt(0.5, QColor(0xf6, 0xa4, 0x12));
    beer.setColorAt(1, QColor(0xd6, 0x80, 0x08));
    QPainterPath mug;
    mug.addRoundedRect(QRectF(2.6, 4.6, 10.2, 11.8), 1.4, 1.4);
    fill(p, mug, beer, glassEdge, 0.8);
    QPainterPath bubbles;
    bubbles.addEllipse(QPointF(5.6, 12.6), 0.6, 0.6);
    bubbles.addEllipse(QPointF(8.4, 10.6), 0.5, 0.5);
    bubbles.addEllipse(QPointF(6.8, 8.6), 0.45, 0.45);
    fill(p, bubbles, QColor(0xff, 0xf2, 0xc0));
    QPainterPath foam;
    foam.addEllipse(QPointF(4.0, 4.6), 2.2, 2.0);
    foam.addEllipse(QPointF(7.2, 3.4), 2.8, 2.5);
    foam.addEllipse(QPointF(10.6, 4.2), 2.5, 2.2);
    foam.addRect(QRectF(2.2, 4.4, 10.8, 2.0));
    fill(p, foam.simplified(), QColor(0xfe, 0xfe, 0xf6), QColor(0xb8, 0xb0, 0x98), 0.6);
    stroke(p, curve(QPointF(4.2, 8.0), QPointF(4.0, 11.0), QPointF(4.2, 14.4)),
           QColor(255, 255, 255, 150), 0.8);
}

// The rock-and-roll hand: index and little finger raised.
void drawHorns(QPainter& p) {
    const Skin skin = yellowSkin();
    QLinearGradient shade(0, 0, 19, 0);
    shade.setColorAt(0, skin.light);
    shade.setColorAt(1, skin.mid);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(4.4, 0.6, 3.0, 10.0), 1.5, 1.5); // index finger
    hand.addRoundedRect(QRectF(11.8, 1.8, 2.8, 9.0), 1.4, 1.4); // little finger
    hand.addRoundedRect(QRectF(4.0, 7.4, 11.0, 9.0), 2.6, 2.6); // palm
    fill(p, hand.simplified(), shade, skin.outline, 0.8);
    QPainterPath folded;
    folded.addRoundedRect(QRectF(7.2, 6.4, 2.5, 3.4), 1.2, 1.2);
    folded.addRoundedRect(QRectF(9.5, 6.6, 2.5, 3.2), 1.2, 1.2);
    fill(p, folded, shade, skin.outline, 0.7);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(2.2, 9.4, 8.8, 2.8), 1.4, 1.4);
    fill(p, thumb, shade, skin.outline, 0.7);
    // Little lightning flashes of the music.
    QPainterPath bolt(QPointF(17.2, 0.6));
    bolt.lineTo(QPointF(15.8, 3.2));
    bolt.lineTo(QPointF(17.4, 3.2));
    bolt.lineTo(QPointF(16.0, 6.0));
    stroke(p, bolt, QColor(0xe0, 0x3a, 0x20), 0.7);
    QPainterPath bolt2(QPointF(2.4, 0.8));
    bolt2.lineTo(QPointF(1.2, 3.0));
    bolt2.lineTo(QPointF(2.6, 3.0));
    bolt2.lineTo(QPointF(1.4, 5.4));
    stroke(p, bolt2, QColor(0xe0, 0x3a, 0x20), 0.7);
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

// A reading teacher and an open book.
void drawRtfm(QPainter& p) {
    const QColor cover(0x24, 0x4e, 0x9c);
    QPainterPath back(QPointF(26, 9));
    back.lineTo(QPointF(45, 6.5));
    back.lineTo(QPointF(63.5, 9));
    back.lineTo(QPointF(63.5, 29.5));
    back.lineTo(QPointF(45, 27.5));
    back.lineTo(QPointF(26, 29.5));
    back.closeSubpath();
    fill(p, back, cover, cover.darker(150), 0.8);
    const QColor paper(0xff, 0xfc, 0xf0);
    const QColor edge(0x9a, 0x90, 0x78);
    QPainterPath left(QPointF(27.5, 8.2));
    left.quadTo(QPointF(36, 3.8), QPointF(45, 6.8));
    left.lineTo(QPointF(45, 26.4));
    left.quadTo(QPointF(36, 23.6), QPointF(27.5, 27.8));
    left.closeSubpath();
    QPainterPath right(QPointF(62, 8.2));
    right.quadTo(QPointF(54, 3.8), QPointF(45, 6.8));
    right.lineTo(QPointF(45, 26.4));
    right.quadTo(QPointF(54, 23.6), QPointF(62, 27.8));
    right.closeSubpath();
    fill(p, left, paper, edge, 0.6);
    fill(p, right, paper, edge, 0.6);
    QPainterPath lines;
    for (int i = 0; i < 6; ++i) {
        const qreal y = 10.2 + i * 2.8;
        lines.moveTo(30, y - 0.6);
        lines.quadTo(QPointF(36.5, y - 2.2), QPointF(43, y - 0.4));
        if (i != 2) {
            lines.moveTo(47, y - 0.4);
            lines.quadTo(QPointF(53.5, y - 2.2), QPointF(60, y - 0.6));
        }
    }
    stroke(p, lines, QColor(0x6a, 0x78, 0x90), 0.7);
    QPainterPath mark(QPointF(55, 5.4));
    mark.lineTo(QPointF(55, 12.6));
    mark.lineTo(QPointF(56.4, 11.2));
    mark.lineTo(QPointF(57.8, 12.6));
    mark.lineTo(QPointF(57.8, 5.0));
    mark.closeSubpath();
    fill(p, mark, QColor(0xd8, 0x2a, 0x2a));

    // The face peers over half-moon glasses, one brow raised: read it!
    inBox(p, QRectF(0.5, 1.5, 28, 28), [&] {
        faceDisc(p);
        brow(p, QPointF(3.4, 4.3), QPointF(6.6, 4.1), 0.7);
        stroke(p, curve(QPointF(9.2, 3.6), QPointF(10.8, 2.4), QPointF(12.6, 3.4)), kFeature, 0.7);
        dotEye(p, QPointF(5.6, 6.2), 1.3, 1.6);
        dotEye(p, QPointF(10.8, 6.2), 1.3, 1.6);
        QPainterPath glasses;
        glasses.moveTo(3.4, 6.9);
        glasses.quadTo(QPointF(5.4, 9.6), QPointF(7.4, 6.9));
        glasses.closeSubpath();
        glasses.moveTo(8.8, 6.9);
        glasses.quadTo(QPointF(10.8, 9.6), QPointF(12.8, 6.9));
        glasses.closeSubpath();
        fill(p, glasses, QColor(200, 230, 255, 110), QColor(0x3a, 0x2a, 0x1a), 0.5);
        stroke(p, curve(QPointF(7.4, 6.9), QPointF(8.1, 6.5), QPointF(8.8, 6.9)),
               QColor(0x3a, 0x2a, 0x1a), 0.5);
        stroke(p, curve(QPointF(5.8, 11.6), QPointF(8, 11.2), QPointF(10.4, 11.6)), kFeature, 0.85);
    });
}

// A magnifying glass showing one big curious eye.
void drawSearch(QPainter& p) {
    QPainterPath handle(QPointF(24.5, 24.5));
    handle.lineTo(QPointF(34.6, 33.6));
    stroke(p, handle, QColor(0x5a, 0x32, 0x12), 6.0);
    stroke(p, handle, QColor(0x9a, 0x5c, 0x28), 4.0);
    QPainterPath lens;
    lens.addEllipse(QPointF(15.5, 15.0), 12.5, 12.5);
    QRadialGradient glass(QPointF(12, 11), 15);
    glass.setColorAt(0, QColor(0xf4, 0xfb, 0xff));
    glass.setColorAt(1, QColor(0xb6, 0xdc, 0xf6));
    fill(p, lens, glass);
    // The eye behind the glass.
    QPainterPath white;
    white.moveTo(5.6, 15.6);
    white.quadTo(QPointF(15.5, 4.4), QPointF(25.4, 15.6));
    white.quadTo(QPointF(15.5, 25.4), QPointF(5.6, 15.6));
    fill(p, white, Qt::white, QColor(0x4a, 0x2c, 0x0f), 1.0);
    QPainterPath iris;
    iris.addEllipse(QPointF(16.2, 15.4), 4.6, 4.6);
    QRadialGradient irisShade(QPointF(16.2, 15.4), 4.6);
    irisShade.setColorAt(0, QColor(0x6c, 0xc0, 0x4a));
    irisShade.setColorAt(1, QColor(0x2a, 0x78, 0x2a));
    fill(p, iris, irisShade, QColor(0x1e, 0x4a, 0x1e), 0.6);
    QPainterPath pupil;
    pupil.addEllipse(QPointF(16.2, 15.4), 2.1, 2.1);
    fill(p, pupil, QColor(0x14, 0x14, 0x14));
    QPainterPath gleam;
    gleam.addEllipse(QPointF(17.6, 13.8), 1.0, 1.0);
    fill(p, gleam, Qt::white);
    QPainterPath lashes;
    lashes.moveTo(9.0, 10.6);
    lashes.lineTo(7.8, 8.8);
    lashes.moveTo(15.5, 8.2);
    lashes.lineTo(15.5, 6.2);
    lashes.moveTo(22.0, 10.6);
    lashes.lineTo(23.2, 8.8);
    stroke(p, lashes, QColor(0x4a, 0x2c, 0x0f), 0.9);
    // Shine on the glass and its rim.
    stroke(p, curve(QPointF(7.0, 10.0), QPointF(8.6, 6.2), QPointF(12.6, 5.0)),
           QColor(255, 255, 255, 200), 1.6);
    QPainterPath rim;
    rim.addEllipse(QPointF(15.5, 15.0), 12.5, 12.5);
    stroke(p, rim, QColor(0x4a, 0x50, 0x5c), 3.0);
    stroke(p, rim, QColor(0x9a, 0xa4, 0xb4), 1.2);
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

// The word blacked out: a bar with white letters.
void drawCensoredBar(QPainter& p) {
    QPainterPath bar;
    bar.addRoundedRect(QRectF(0.5, 3.5, 50, 14), 2, 2);
    QLinearGradient ink(0, 3.5, 0, 17.5);
    ink.setColorAt(0, QColor(0x3a, 0x3a, 0x3a));
    ink.setColorAt(1, QColor(0x0c, 0x0c, 0x0c));
    fill(p, bar, ink, QColor(0, 0, 0), 0.8);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(9);
    fittedText(p, QRectF(2.5, 4.5, 46, 12), QStringLiteral("[censored]"), font, Qt::white);
}

// An inspector's red stamp.
void drawCensoredStamp(QPainter& p) {
    p.save();
    p.translate(25.5, 10.5);
    p.rotate(-7);
    const QColor red(0xd2, 0x1e, 0x1e);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(-23.5, -8.0, 47, 16), 2.5, 2.5);
    fill(p, frame, QColor(255, 240, 240, 220), red, 1.3);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(-21.8, -6.3, 43.6, 12.6), 1.6, 1.6);
    stroke(p, inner, red, 0.5);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(9);
    fittedText(p, QRectF(-20.5, -5.6, 41, 11.2), QStringLiteral("CENSORED"), font, red);
    p.restore();
}

// A friendly ladybird seen from above.
void drawBug(QPainter& p) {
    const QColor black(0x1a, 0x1a, 0x1e);
    QPainterPath legs;
    for (const qreal y : {13.0, 17.5, 22.0}) {
        legs.moveTo(6.0, y);
        legs.lineTo(1.6, y + (y - 17.5) * 0.3 + 1.0);
        legs.moveTo(17.0, y);
        legs.lineTo(21.4, y + (y - 17.5) * 0.3 + 1.0);
    }
    stroke(p, legs, black, 1.0);
    QPainterPath antennae(QPointF(9.8, 4.6));
    antennae.quadTo(QPointF(8.4, 1.6), QPointF(6.4, 1.2));
    antennae.moveTo(13.2, 4.6);
    antennae.quadTo(QPointF(14.6, 1.6), QPointF(16.6, 1.2));
    stroke(p, antennae, black, 0.8);
    QPainterPath tips;
    tips.addEllipse(QPointF(6.2, 1.2), 0.9, 0.9);
    tips.addEllipse(QPointF(16.8, 1.2), 0.9, 0.9);
    fill(p, tips, black);
    QPainterPath body;
    body.addEllipse(QRectF(3.0, 7.6, 17.0, 20.6));
    QRadialGradient shell(QPointF(9, 13), 14);
    shell.setColorAt(0, QColor(0xff, 0x7a, 0x6a));
    shell.setColorAt(0.6, QColor(0xe8, 0x22, 0x1a));
    shell.setColorAt(1, QColor(0xa8, 0x10, 0x0c));
    fill(p, body, shell, QColor(0x5a, 0x08, 0x06), 0.8);
    QPainterPath spots;
    spots.addEllipse(QPointF(7.4, 14.6), 1.7, 1.7);
    spots.addEllipse(QPointF(15.6, 14.6), 1.7, 1.7);
    spots.addEllipse(QPointF(6.8, 21.2), 1.5, 1.5);
    spots.addEllipse(QPointF(16.2, 21.2), 1.5, 1.5);
    spots.addEllipse(QPointF(11.5, 25.4), 1.3, 1.3);
    fill(p, spots, black);
    QPainterPath seam(QPointF(11.5, 10.0));
    seam.lineTo(QPointF(11.5, 27.6));
    stroke(p, seam, black, 0.7);
    QPainterPath head;
    head.addEllipse(QRectF(6.4, 3.6, 10.2, 8.0));
    fill(p, head, black);
    whiteEye(p, QPointF(9.6, 7.0), 1.5, QPointF(0.2, 0.3), 0.65);
    whiteEye(p, QPointF(13.4, 7.0), 1.5, QPointF(-0.2, 0.3), 0.65);
    stroke(p, curve(QPointF(10.0, 9.6), QPointF(11.5, 10.8), QPointF(13.0, 9.6)), Qt::white, 0.6);
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

// A red rose on a leafy stem.
void drawRose(QPainter& p) {
    const QColor leaf(0x3a, 0x9a, 0x3a);
    const QColor leafEdge(0x1e, 0x5a, 0x1e);
    QPainterPath stemPath(QPointF(9.2, 10.0));
    stemPath.cubicTo(QPointF(8.0, 14.0), QPointF(10.4, 18.0), QPointF(8.8, 23.6));
    stroke(p, stemPath, leafEdge, 1.6);
    stroke(p, stemPath, leaf, 0.9);
    QPainterPath thorns(QPointF(9.1, 15.0));
    thorns.lineTo(QPointF(10.4, 14.4));
    thorns.moveTo(9.5, 19.4);
    thorns.lineTo(QPointF(8.2, 18.9));
    stroke(p, thorns, leafEdge, 0.6);
    QPainterPath leaves(QPointF(9.2, 17.2));
    leaves.quadTo(QPointF(12.2, 13.2), QPointF(16.4, 14.6));
    leaves.quadTo(QPointF(13.2, 18.4), QPointF(9.2, 17.2));
    leaves.moveTo(8.8, 20.8);
    leaves.quadTo(QPointF(5.6, 17.6), QPointF(1.8, 18.6));
    leaves.quadTo(QPointF(4.6, 22.2), QPointF(8.8, 20.8));
    fill(p, leaves, leaf, leafEdge, 0.5);
    QPainterPath sepals(QPointF(9, 9.4));
    sepals.lineTo(QPointF(5.4, 11.4));
    sepals.lineTo(QPointF(8.2, 10.6));
    sepals.lineTo(QPointF(9.6, 12.0));
    sepals.lineTo(QPointF(10.2, 10.6));
    sepals.lineTo(QPointF(13.0, 11.2));
    sepals.closeSubpath();
    fill(p, sepals, leaf, leafEdge, 0.4);
    QPainterPath bloom(QPointF(3.4, 3.4));
    bloom.cubicTo(QPointF(3.0, 8.6), QPointF(5.4, 10.4), QPointF(9.0, 10.4));
    bloom.cubicTo(QPointF(12.6, 10.4), QPointF(15.0, 8.6), QPointF(14.6, 3.4));
    bloom.quadTo(QPointF(13.0, 5.0), QPointF(11.6, 3.6));
    bloom.quadTo(QPointF(9.0, 0.2), QPointF(6.4, 3.6));
    bloom.quadTo(QPointF(5.0, 5.0), QPointF(3.4, 3.4));
    QRadialGradient petals(QPointF(8, 4.6), 7.6);
    petals.setColorAt(0, QColor(0xff, 0x5a, 0x6a));
    petals.setColorAt(1, QColor(0xb8, 0x0c, 0x24));
    fill(p, bloom, petals, QColor(0x70, 0x06, 0x14), 0.6);
    QPainterPath folds(QPointF(6.4, 4.2));
    folds.quadTo(QPointF(9.0, 7.2), QPointF(11.6, 4.2));
    folds.moveTo(4.6, 5.2);
    folds.quadTo(QPointF(6.0, 9.2), QPointF(9.6, 8.6));
    folds.moveTo(13.4, 5.2);
    folds.quadTo(QPointF(12.8, 8.0), QPointF(10.6, 8.8));
    stroke(p, folds, QColor(0x80, 0x06, 0x18), 0.55);
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

// A hammer knocking on a little head, with stars of the blow.
void drawSmiting(QPainter& p) {
    inBox(p, QRectF(19.2, 0.6, 14.6, 14.6), [&] {
        faceDisc(p);
        QPainterPath eyes(QPointF(3.8, 5.2));
        eyes.lineTo(QPointF(6.4, 6.4));
        eyes.lineTo(QPointF(3.8, 7.6));
        eyes.moveTo(12.2, 5.2);
        eyes.lineTo(QPointF(9.6, 6.4));
        eyes.lineTo(QPointF(12.2, 7.6));
        stroke(p, eyes, kFeature, 1.0);
        QPainterPath mouth;
        mouth.addEllipse(QPointF(8, 11.4), 1.8, 1.4);
        fill(p, mouth, kMouth, kFeature, 0.7);
    });
    fill(p, star(QPointF(33.0, 1.6), 1.7, 0.7), QColor(0xff, 0xc8, 0x1e), QColor(0xb0, 0x6a, 0),
         0.3);
    fill(p, star(QPointF(18.4, 1.8), 1.4, 0.6), QColor(0xff, 0xc8, 0x1e), QColor(0xb0, 0x6a, 0),
         0.3);
    QPainterPath motion(QPointF(4.0, 2.6));
    motion.quadTo(QPointF(7.0, 0.6), QPointF(10.6, 0.8));
    motion.moveTo(3.2, 5.6);
    motion.quadTo(QPointF(5.0, 3.6), QPointF(7.6, 3.0));
    stroke(p, motion, QColor(0x8a, 0x96, 0xa8), 0.7);
    p.save();
    p.translate(18.0, 4.6);
    p.rotate(-28);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-15.2, -1.0, 13.6, 2.2), 1.0, 1.0);
    fill(p, handle, QColor(0xb0, 0x70, 0x34), QColor(0x5a, 0x32, 0x12), 0.6);
    QPainterPath head;
    head.addRoundedRect(QRectF(-2.8, -4.8, 5.0, 9.6), 1.0, 1.0);
    QLinearGradient steel(-2.8, 0, 2.2, 0);
    steel.setColorAt(0, QColor(0xd8, 0xde, 0xe6));
    steel.setColorAt(1, QColor(0x7a, 0x84, 0x92));
    fill(p, head, steel, QColor(0x3a, 0x40, 0x4a), 0.6);
    p.restore();
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

void addStandardPictures(PictureSet& set) {
    set.insert({
        {"SpeedButton5", drawCool},         {"SpeedButton26", drawWink},
        {"SpeedButton25", drawEek},         {"SpeedButton27", drawRollEyes},
        {"SpeedButton31", drawRtfm},        {"SpeedButton1", drawAngry},
        {"SpeedButton7", drawSmile},        {"SpeedButton3", drawBigGrin},
        {"SpeedButton17", drawSurprised},   {"SpeedButton32", drawSearch},
        {"SpeedButton10", drawSad},         {"SpeedButton6", drawConfused},
        {"SpeedButton8", drawTongue},       {"SpeedButton11", drawMad},
        {"SpeedButton22", drawFlop},        {"SpeedButton4", drawTop},
        {"SpeedButton23", drawDrink},       {"SpeedButton24", drawHorns},
        {"SpeedButton33", drawCrying},      {"SpeedButton12", drawFreud},
        {"SpeedButton2", drawCensoredBar},  {"SpeedButton9", drawCensoredStamp},
        {"SpeedButton28", drawBug},         {"SpeedButton34", drawDevil},
        {"SpeedButton35", drawInLove},      {"SpeedButton36", drawRose},
        {"SpeedButton37", drawEmbarrassed}, {"SpeedButton38", drawSmiting},
        {"SpeedButton39", drawAlarmed},
    });
}

} // namespace quolan::smiley
