// The hands and things of the standard page.
#include "SmileyDrawing.h"
#include "SmileyPictureSet.h"

#include <QFont>
#include <QLinearGradient>

namespace quolan::smiley {

namespace {

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

} // namespace

void addStandardThings(PictureSet& set) {
    set.insert({
        {"SpeedButton31", drawRtfm},
        {"SpeedButton32", drawSearch},
        {"SpeedButton22", drawFlop},
        {"SpeedButton4", drawTop},
        {"SpeedButton23", drawDrink},
        {"SpeedButton24", drawHorns},
        {"SpeedButton2", drawCensoredBar},
        {"SpeedButton9", drawCensoredStamp},
        {"SpeedButton28", drawBug},
        {"SpeedButton36", drawRose},
        {"SpeedButton38", drawSmiting},
    });
}

} // namespace quolan::smiley
