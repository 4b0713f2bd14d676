// The larger characters of the second page, drawn as small round-headed
// figures so that they read well at their modest size.
#include "SmileyDrawing.h"
#include "SmileyPictureSet.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace quolan::smiley {

namespace {

const QColor kSkin(0xff, 0xdc, 0xbc);
const QColor kSkinShade(0xf0, 0xb0, 0x84);
const QColor kSkinEdge(0x9a, 0x5a, 0x30);
const QColor kPale(0xf6, 0xf0, 0xea);
const QColor kBlack(0x1c, 0x1c, 0x22);

QBrush skinShade(QPointF c, qreal r, QColor light = kSkin, QColor shade = kSkinShade) {
    QRadialGradient g(c + QPointF(-r * 0.3, -r * 0.35), r * 1.3);
    g.setColorAt(0, light.lighter(106));
    g.setColorAt(0.7, light);
    g.setColorAt(1, shade);
    return g;
}

QBrush clothShade(QRectF area, QColor colour) {
    QLinearGradient g(area.topLeft(), area.topRight());
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(0.5, colour);
    g.setColorAt(1, colour.darker(130));
    return g;
}

void head(QPainter& p, QPointF c, qreal r, QColor skin = kSkin, QColor shade = kSkinShade) {
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    fill(p, disc, skinShade(c, r, skin, shade), kSkinEdge, 0.8);
}

void ellipse(QPainter& p, QPointF c, qreal rx, qreal ry, const QBrush& brush, QColor outline = {},
             qreal width = 0) {
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    fill(p, path, brush, outline, width);
}

// Happy eyes and a smile on a head of radius `r` centred at `c`.
void friendlyFace(QPainter& p, QPointF c, qreal r) {
    const qreal s = r / 12.0;
    ellipse(p, c + QPointF(-4.2 * s, 0.4 * s), 1.3 * s, 1.9 * s, kFeature);
    ellipse(p, c + QPointF(4.2 * s, 0.4 * s), 1.3 * s, 1.9 * s, kFeature);
    ellipse(p, c + QPointF(-3.8 * s, -0.2 * s), 0.45 * s, 0.45 * s, Qt::white);
    ellipse(p, c + QPointF(4.6 * s, -0.2 * s), 0.45 * s, 0.45 * s, Qt::white);
    stroke(p,
           curve(c + QPointF(-3.4 * s, 4.4 * s), c + QPointF(0, 7.6 * s),
                 c + QPointF(3.4 * s, 4.4 * s)),
           kFeature, 1.0 * s);
    QColor cheek(0xff, 0x70, 0x70, 90);
    ellipse(p, c + QPointF(-6.6 * s, 3.6 * s), 1.9 * s, 1.2 * s, cheek);
    ellipse(p, c + QPointF(6.6 * s, 3.6 * s), 1.9 * s, 1.2 * s, cheek);
}

// Dark glasses on a head of radius `r`.
void sunglasses(QPainter& p, QPointF c, qreal r, bool round = false) {
    const qreal s = r / 12.0;
    QPainterPath lenses;
    if (round) {
        lenses.addEllipse(c + QPointF(-4.4 * s, 0), 3.2 * s, 2.9 * s);
        lenses.addEllipse(c + QPointF(4.4 * s, 0), 3.2 * s, 2.9 * s);
    } else {
        lenses.addRoundedRect(QRectF(c + QPointF(-8.4 * s, -2.2 * s), QSizeF(7.2 * s, 4.6 * s)),
                              1.6 * s, 2.0 * s);
        lenses.addRoundedRect(QRectF(c + QPointF(1.2 * s, -2.2 * s), QSizeF(7.2 * s, 4.6 * s)),
                              1.6 * s, 2.0 * s);
    }
    fill(p, lenses, kBlack, kBlack, 0.5 * s);
    QPainterPath bridge(c + QPointF(-1.4 * s, -0.9 * s));
    bridge.quadTo(c + QPointF(0, -1.8 * s), c + QPointF(1.4 * s, -0.9 * s));
    bridge.moveTo(c + QPointF(-8.3 * s, -1.2 * s));
    bridge.lineTo(c + QPointF(-11.6 * s, -2.2 * s));
    bridge.moveTo(c + QPointF(8.3 * s, -1.2 * s));
    bridge.lineTo(c + QPointF(11.6 * s, -2.2 * s));
    stroke(p, bridge, kBlack, 0.8 * s);
    QPainterPath glint(c + QPointF(-6.6 * s, -0.6 * s));
    glint.lineTo(c + QPointF(-5.2 * s, -1.4 * s));
    glint.moveTo(c + QPointF(3.0 * s, -0.6 * s));
    glint.lineTo(c + QPointF(4.4 * s, -1.4 * s));
    stroke(p, glint, QColor(255, 255, 255, 200), 0.6 * s);
}

// Two legs with shoes, from `top` to the floor at `floor`.
void legs(QPainter& p, qreal x, qreal top, qreal floor, QColor trousers, QColor shoes,
          qreal apart = 4.0) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x - apart - 2.0, top, 4.0, floor - top - 1.5), 1.2, 1.2);
    path.addRoundedRect(QRectF(x + apart - 2.0, top, 4.0, floor - top - 1.5), 1.2, 1.2);
    fill(p, path, trousers, trousers.darker(160), 0.6);
    ellipse(p, QPointF(x - apart - 0.8, floor - 1.6), 3.0, 1.6, shoes, shoes.darker(160), 0.5);
    ellipse(p, QPointF(x + apart + 0.8, floor - 1.6), 3.0, 1.6, shoes, shoes.darker(160), 0.5);
}

// A jacket with lapels over a white shirt and a tie: `tie` in the tie's colour.
void suit(QPainter& p, QRectF body, QColor cloth, QColor tie) {
    QPainterPath jacket;
    jacket.addRoundedRect(body, 4.5, 4.5);
    fill(p, jacket, clothShade(body, cloth), cloth.darker(170), 0.7);
    const qreal cx = body.center().x();
    QPainterPath shirt(QPointF(cx - 4.2, body.top()));
    shirt.lineTo(QPointF(cx + 4.2, body.top()));
    shirt.lineTo(QPointF(cx, body.top() + body.height() * 0.55));
    shirt.closeSubpath();
    fill(p, shirt, Qt::white, QColor(0x9a, 0x9a, 0xa0), 0.5);
    QPainterPath tiePath(QPointF(cx - 1.2, body.top() + 0.6));
    tiePath.lineTo(QPointF(cx + 1.2, body.top() + 0.6));
    tiePath.lineTo(QPointF(cx + 1.6, body.top() + body.height() * 0.42));
    tiePath.lineTo(QPointF(cx, body.top() + body.height() * 0.52));
    tiePath.lineTo(QPointF(cx - 1.6, body.top() + body.height() * 0.42));
    tiePath.closeSubpath();
    fill(p, tiePath, tie, tie.darker(160), 0.4);
    QPainterPath lapels(QPointF(cx - 4.4, body.top() + 0.2));
    lapels.lineTo(QPointF(cx - 1.0, body.top() + body.height() * 0.58));
    lapels.moveTo(QPointF(cx + 4.4, body.top() + 0.2));
    lapels.lineTo(QPointF(cx + 1.0, body.top() + body.height() * 0.58));
    stroke(p, lapels, cloth.darker(200), 0.7);
}

// A sleeve from the shoulder and a hand at its end.
void arm(QPainter& p, QPointF shoulder, QPointF hand, QColor sleeve, qreal thickness = 4.2) {
    QPainterPath line(shoulder);
    line.lineTo(hand);
    stroke(p, line, sleeve.darker(170), thickness + 1.2);
    stroke(p, line, sleeve, thickness);
    ellipse(p, hand, 2.2, 2.2, kSkin, kSkinEdge, 0.6);
}

// Hair parted at the side, lying over the top of a head.
void shortHair(QPainter& p, QPointF c, qreal r, QColor colour) {
    QPainterPath hair(c + QPointF(-r * 1.02, r * 0.05));
    hair.cubicTo(c + QPointF(-r * 1.15, -r * 1.2), c + QPointF(r * 1.15, -r * 1.25),
                 c + QPointF(r * 1.02, r * 0.05));
    hair.quadTo(c + QPointF(r * 0.85, -r * 0.5), c + QPointF(r * 0.25, -r * 0.52));
    hair.quadTo(c + QPointF(-r * 0.2, -r * 0.35), c + QPointF(-r * 0.5, -r * 0.58));
    hair.quadTo(c + QPointF(-r * 0.9, -r * 0.45), c + QPointF(-r * 1.02, r * 0.05));
    fill(p, hair, colour, colour.darker(150), 0.6);
}

// An angel: halo, wings, a white robe and a peaceful smile.
void drawSeraph(QPainter& p) {
    const QPointF c(23, 19.5);
    const qreal r = 11.5;
    QColor feather(0xf8, 0xfc, 0xff);
    QColor featherEdge(0x7a, 0x9a, 0xc0);
    for (const int side : {-1, 1}) {
        QPainterPath wing(QPointF(23 + side * 6, 34));
        wing.cubicTo(QPointF(23 + side * 14, 24), QPointF(23 + side * 22, 22),
                     QPointF(23 + side * 22.4, 28));
        wing.cubicTo(QPointF(23 + side * 22.6, 38), QPointF(23 + side * 20, 48),
                     QPointF(23 + side * 11, 54));
        wing.quadTo(QPointF(23 + side * 9, 46), QPointF(23 + side * 6, 34));
        QLinearGradient g(QPointF(23, 0), QPointF(23 + side * 23, 0));
        g.setColorAt(0, QColor(0xd8, 0xe8, 0xfa));
        g.setColorAt(1, feather);
        fill(p, wing, g, featherEdge, 0.7);
        QPainterPath feathers;
        for (int i = 0; i < 3; ++i) {
            const qreal y = 32 + i * 6.0;
            feathers.moveTo(23 + side * 11, y + 3);
            feathers.quadTo(QPointF(23 + side * 16, y), QPointF(23 + side * (20.5 - i * 1.6), y));
        }
        stroke(p, feathers, featherEdge, 0.55);
    }
    QPainterPath robe(QPointF(16, 30));
    robe.lineTo(QPointF(30, 30));
    robe.quadTo(QPointF(34, 50), QPointF(36, 67));
    robe.lineTo(QPointF(10, 67));
    robe.quadTo(QPointF(12, 50), QPointF(16, 30));
    QLinearGradient cloth(QPointF(10, 0), QPointF(36, 0));
    cloth.setColorAt(0, QColor(0xff, 0xff, 0xff));
    cloth.setColorAt(1, QColor(0xdc, 0xe2, 0xf0));
    fill(p, robe, cloth, QColor(0x8a, 0x94, 0xb0), 0.7);
    QPainterPath folds(QPointF(19, 44));
    folds.quadTo(QPointF(17.6, 56), QPointF(16.4, 66));
    folds.moveTo(27, 44);
    folds.quadTo(QPointF(28.4, 56), QPointF(29.6, 66));
    stroke(p, folds, QColor(0xb4, 0xbc, 0xd4), 0.6);
    QPainterPath belt;
    belt.addRoundedRect(QRectF(15.2, 40.6, 15.6, 2.4), 1, 1);
    fill(p, belt, QColor(0xf2, 0xc2, 0x2a), QColor(0xa0, 0x76, 0x08), 0.5);
    ellipse(p, QPointF(18.6, 68.4), 3.0, 1.5, kSkin, kSkinEdge, 0.5);
    ellipse(p, QPointF(27.4, 68.4), 3.0, 1.5, kSkin, kSkinEdge, 0.5);
    arm(p, QPointF(17, 34), QPointF(21, 44), QColor(0xf4, 0xf6, 0xfc));
    arm(p, QPointF(29, 34), QPointF(25, 44), QColor(0xf4, 0xf6, 0xfc));
    head(p, c, r);
    shortHair(p, c, r, QColor(0x3a, 0x2a, 0x1e));
    const qreal s = r / 12.0;
    stroke(p,
           curve(c + QPointF(-6.0 * s, 0.6 * s), c + QPointF(-4.2 * s, 2.4 * s),
                 c + QPointF(-2.4 * s, 0.6 * s)),
           kFeature, 0.95);
    stroke(p,
           curve(c + QPointF(2.4 * s, 0.6 * s), c + QPointF(4.2 * s, 2.4 * s),
                 c + QPointF(6.0 * s, 0.6 * s)),
           kFeature, 0.95);
    stroke(p,
           curve(c + QPointF(-3.0 * s, 4.8 * s), c + QPointF(0, 7.4 * s),
                 c + QPointF(3.0 * s, 4.8 * s)),
           kFeature, 0.95);
    QPainterPath halo;
    halo.addEllipse(QPointF(23, 4.4), 9.0, 2.7);
    stroke(p, halo, QColor(0xc8, 0x8c, 0x00), 2.4);
    stroke(p, halo, QColor(0xff, 0xde, 0x3a), 1.4);
}

// A lady with long dark hair in an evening gown.
void lady(QPainter& p, QColor gown, bool wink) {
    const QPointF c(23, 17.5);
    const qreal r = 11;
    const QColor hair(0x5a, 0x1e, 0x22);
    QPainterPath locks(c + QPointF(-r * 1.05, 0));
    locks.cubicTo(c + QPointF(-r * 1.35, -r * 1.5), c + QPointF(r * 1.35, -r * 1.5),
                  c + QPointF(r * 1.05, 0));
    locks.cubicTo(c + QPointF(r * 1.2, r * 1.0), c + QPointF(r * 1.4, r * 1.6),
                  c + QPointF(r * 1.0, r * 2.1));
    locks.lineTo(c + QPointF(-r * 1.0, r * 2.1));
    locks.cubicTo(c + QPointF(-r * 1.4, r * 1.6), c + QPointF(-r * 1.2, r * 1.0),
                  c + QPointF(-r * 1.05, 0));
    fill(p, locks, hair, hair.darker(150), 0.7);

    QPainterPath dress(QPointF(17, 29));
    dress.lineTo(QPointF(29, 29));
    dress.quadTo(QPointF(30.6, 38), QPointF(27.6, 46));
    dress.quadTo(QPointF(33, 58), QPointF(36, 69));
    dress.lineTo(QPointF(10, 69));
    dress.quadTo(QPointF(13, 58), QPointF(18.4, 46));
    dress.quadTo(QPointF(15.4, 38), QPointF(17, 29));
    const QRectF area(10, 29, 26, 40);
    fill(p, dress, clothShade(area, gown), gown.darker(170), 0.7);
    QPainterPath folds(QPointF(21, 50));
    folds.quadTo(QPointF(19, 60), QPointF(16.4, 68));
    folds.moveTo(25, 50);
    folds.quadTo(QPointF(27, 60), QPointF(29.6, 68));
    stroke(p, folds, gown.darker(130), 0.6);
    QPainterPath sash;
    sash.addRoundedRect(QRectF(18.4, 43.6, 9.2, 2.2), 1, 1);
    fill(p, sash, gown.lighter(150));

    arm(p, QPointF(18, 32), QPointF(14, 45), kSkin, 3.0);
    if (wink) {
        arm(p, QPointF(28, 32), QPointF(33, 25), kSkin, 3.0);
        fill(p, heart(QPointF(39, 16), 7), kHeart, kHeart.darker(150), 0.5);
        fill(p, heart(QPointF(42.5, 8.6), 4), QColor(0xff, 0x6a, 0x8a));
    } else {
        arm(p, QPointF(28, 32), QPointF(31, 43), kSkin, 3.0);
    }
    QPainterPath neck;
    neck.addRect(QRectF(20.6, 26, 4.8, 4));
    fill(p, neck, kSkin);
    head(p, c, r);
    QPainterPath fringe(c + QPointF(-r * 1.0, -r * 0.1));
    fringe.cubicTo(c + QPointF(-r * 1.05, -r * 1.25), c + QPointF(r * 1.05, -r * 1.25),
                   c + QPointF(r * 1.0, -r * 0.1));
    fringe.quadTo(c + QPointF(r * 0.5, -r * 0.8), c + QPointF(-r * 0.1, -r * 0.55));
    fringe.quadTo(c + QPointF(-r * 0.6, -r * 0.35), c + QPointF(-r * 1.0, -r * 0.1));
    fill(p, fringe, hair, hair.darker(150), 0.6);

    const qreal s = r / 12.0;
    if (wink)
        stroke(p,
               curve(c + QPointF(-6.0 * s, 1.2 * s), c + QPointF(-4.2 * s, -0.8 * s),
                     c + QPointF(-2.4 * s, 1.2 * s)),
               kFeature, 1.0);
    else
        ellipse(p, c + QPointF(-4.2 * s, 0.6 * s), 1.3 * s, 1.8 * s, kFeature);
    ellipse(p, c + QPointF(4.2 * s, 0.6 * s), 1.3 * s, 1.8 * s, kFeature);
    // Soft arched brows and a flick of lashes at the outer corners.
    QPainterPath brows;
    brows.moveTo(c + QPointF(-6.2 * s, -2.6 * s));
    brows.quadTo(c + QPointF(-4.2 * s, -4.0 * s), c + QPointF(-2.4 * s, -2.8 * s));
    brows.moveTo(c + QPointF(2.4 * s, -2.8 * s));
    brows.quadTo(c + QPointF(4.2 * s, -4.0 * s), c + QPointF(6.2 * s, -2.6 * s));
    stroke(p, brows, hair, 0.7);
    QPainterPath lashes;
    lashes.moveTo(c + QPointF(5.4 * s, 0.0));
    lashes.lineTo(c + QPointF(6.4 * s, -0.5 * s));
    if (!wink) {
        lashes.moveTo(c + QPointF(-5.4 * s, 0.0));
        lashes.lineTo(c + QPointF(-6.4 * s, -0.5 * s));
    }
    stroke(p, lashes, kFeature, 0.6);
    QPainterPath lips(c + QPointF(-2.6 * s, 5.0 * s));
    lips.quadTo(c + QPointF(0, 3.8 * s), c + QPointF(2.6 * s, 5.0 * s));
    lips.quadTo(c + QPointF(0, 7.6 * s), c + QPointF(-2.6 * s, 5.0 * s));
    fill(p, lips, QColor(0xd8, 0x1e, 0x3c), QColor(0x8a, 0x0c, 0x1e), 0.4);
    QColor cheek(0xff, 0x70, 0x70, 80);
    ellipse(p, c + QPointF(-6.8 * s, 3.6 * s), 1.8 * s, 1.1 * s, cheek);
    ellipse(p, c + QPointF(6.8 * s, 3.6 * s), 1.8 * s, 1.1 * s, cheek);
    // A pearl necklace.
    for (int i = 0; i < 5; ++i)
        ellipse(p, QPointF(19.8 + i * 1.6, 30.0 + (i == 0 || i == 4 ? 0 : (i == 2 ? 1.2 : 0.8))),
                0.65, 0.65, Qt::white, QColor(0x9a, 0x9a, 0xa8), 0.3);
}

void drawPerse(QPainter& p) {
    lady(p, QColor(0xc8, 0x1a, 0x2a), false);
}
void drawPerse2(QPainter& p) {
    lady(p, QColor(0x2a, 0x5c, 0xc8), true);
}

// A gentleman with a goatee, a velvet jacket and a glass of red wine.
void drawMero(QPainter& p) {
    const QPointF c(23, 17.5);
    const qreal r = 11;
    legs(p, 23, 52, 70, QColor(0x2a, 0x2a, 0x3a), kBlack);
    suit(p, QRectF(13, 29, 20, 25), QColor(0x4a, 0x1a, 0x3a), QColor(0xc8, 0x1e, 0x2a));
    arm(p, QPointF(15, 32), QPointF(12, 48), QColor(0x4a, 0x1a, 0x3a));
    arm(p, QPointF(31, 32), QPointF(35, 42), QColor(0x4a, 0x1a, 0x3a));
    // The glass in his hand.
    QPainterPath stem(QPointF(37.4, 40.6));
    stem.lineTo(QPointF(37.4, 45.4));
    stem.moveTo(35.6, 45.6);
    stem.lineTo(QPointF(39.2, 45.6));
    stroke(p, stem, QColor(0x8a, 0x9a, 0xb0), 0.7);
    QPainterPath bowl(QPointF(34.6, 34.0));
    bowl.lineTo(QPointF(40.2, 34.0));
    bowl.quadTo(QPointF(40.6, 40.6), QPointF(37.4, 40.8));
    bowl.quadTo(QPointF(34.2, 40.6), QPointF(34.6, 34.0));
    fill(p, bowl, QColor(230, 240, 255, 150), QColor(0x8a, 0x9a, 0xb0), 0.5);
    QPainterPath wine(QPointF(34.8, 36.6));
    wine.lineTo(QPointF(40.0, 36.6));
    wine.quadTo(QPointF(40.0, 40.4), QPointF(37.4, 40.5));
    wine.quadTo(QPointF(34.8, 40.4), QPointF(34.8, 36.6));
    fill(p, wine, QColor(0x9a, 0x0c, 0x2a));
    ellipse(p, QPointF(36.0, 42.0), 2.1, 2.1, kSkin, kSkinEdge, 0.5);

    head(p, c, r);
    QPainterPath hair(c + QPointF(-r * 1.02, 0.1 * r));
    hair.cubicTo(c + QPointF(-r * 1.1, -r * 1.3), c + QPointF(r * 1.1, -r * 1.3),
                 c + QPointF(r * 1.02, 0.1 * r));
    hair.quadTo(c + QPointF(r * 0.9, -r * 0.62), c + QPointF(0, -r * 0.62));
    hair.quadTo(c + QPointF(-r * 0.9, -r * 0.62), c + QPointF(-r * 1.02, 0.1 * r));
    fill(p, hair, QColor(0x24, 0x1a, 0x14), QColor(0x10, 0x0a, 0x06), 0.6);
    const qreal s = r / 12.0;
    brow(p, c + QPointF(-6.4 * s, -2.6 * s), c + QPointF(-2.4 * s, -2.0 * s), 0.9);
    brow(p, c + QPointF(2.4 * s, -2.0 * s), c + QPointF(6.4 * s, -3.2 * s), 0.9);
    ellipse(p, c + QPointF(-4.2 * s, 0.4 * s), 1.1 * s, 1.4 * s, kFeature);
    ellipse(p, c + QPointF(4.2 * s, 0.4 * s), 1.1 * s, 1.4 * s, kFeature);
    QPainterPath moustache(c + QPointF(-4.2 * s, 4.6 * s));
    moustache.quadTo(c + QPointF(0, 2.4 * s), c + QPointF(4.2 * s, 4.6 * s));
    moustache.quadTo(c + QPointF(0, 3.8 * s), c + QPointF(-4.2 * s, 4.6 * s));
    fill(p, moustache, QColor(0x24, 0x1a, 0x14));
    stroke(p,
           curve(c + QPointF(-2.4 * s, 6.0 * s), c + QPointF(0, 7.4 * s),
                 c + QPointF(2.6 * s, 5.8 * s)),
           kFeature, 0.8);
    QPainterPath goatee(c + QPointF(-1.8 * s, 8.2 * s));
    goatee.lineTo(c + QPointF(1.8 * s, 8.2 * s));
    goatee.lineTo(c + QPointF(0, 12.6 * s));
    goatee.closeSubpath();
    fill(p, goatee, QColor(0x24, 0x1a, 0x14));
}

// A friendly sheet ghost.
void drawGhost(QPainter& p) {
    ellipse(p, QPointF(23, 68.6), 14, 2.6, QColor(0x40, 0x48, 0x60, 60));
    QPainterPath sheet(QPointF(7, 58));
    sheet.lineTo(QPointF(7, 22));
    sheet.cubicTo(QPointF(7, 0.8), QPointF(39, 0.8), QPointF(39, 22));
    sheet.lineTo(QPointF(39, 58));
    for (int i = 0; i < 4; ++i) {
        const qreal x = 39 - i * 8.0;
        sheet.quadTo(QPointF(x - 2, 64.5), QPointF(x - 4, 60));
        sheet.quadTo(QPointF(x - 6, 55.5), QPointF(x - 8, 58));
    }
    sheet.closeSubpath();
    QLinearGradient shade(QPointF(7, 0), QPointF(39, 0));
    shade.setColorAt(0, QColor(0xff, 0xff, 0xff));
    shade.setColorAt(0.6, QColor(0xf0, 0xf4, 0xff));
    shade.setColorAt(1, QColor(0xc8, 0xd4, 0xf0));
    fill(p, sheet, shade, QColor(0x70, 0x80, 0xa8), 0.8);
    // Waving little arms.
    QPainterPath arms(QPointF(7.2, 32));
    arms.quadTo(QPointF(1.4, 30), QPointF(2.4, 24.6));
    arms.quadTo(QPointF(5.0, 27.0), QPointF(7.2, 27.4));
    arms.moveTo(38.8, 34);
    arms.quadTo(QPointF(44.4, 36), QPointF(44.0, 41.6));
    arms.quadTo(QPointF(41.4, 39.0), QPointF(38.8, 38.8));
    fill(p, arms, QColor(0xf4, 0xf6, 0xff), QColor(0x70, 0x80, 0xa8), 0.7);
    ellipse(p, QPointF(17.6, 20.6), 2.6, 3.8, kBlack);
    ellipse(p, QPointF(28.4, 20.6), 2.6, 3.8, kBlack);
    ellipse(p, QPointF(18.4, 19.0), 0.9, 1.1, Qt::white);
    ellipse(p, QPointF(29.2, 19.0), 0.9, 1.1, Qt::white);
    QPainterPath mouth(QPointF(19.4, 28.4));
    mouth.quadTo(QPointF(23, 30.4), QPointF(26.6, 28.4));
    mouth.quadTo(QPointF(26.0, 34.6), QPointF(23, 34.6));
    mouth.quadTo(QPointF(20.0, 34.6), QPointF(19.4, 28.4));
    fill(p, mouth, QColor(0x4a, 0x1a, 0x2a), kBlack, 0.5);
    ellipse(p, QPointF(23, 33.0), 2.0, 1.2, kTongue);
    QColor cheek(0xff, 0x8a, 0xaa, 110);
    ellipse(p, QPointF(13.4, 27.0), 2.4, 1.4, cheek);
    ellipse(p, QPointF(32.6, 27.0), 2.4, 1.4, cheek);
}

// A man in a dark suit with dark glasses and an earpiece: `c` the head's
// centre, `r` its radius, the body reaching down to `bottom`.
void agent(QPainter& p, QPointF c, qreal r, qreal bottom) {
    const qreal s = r / 12.0;
    suit(p, QRectF(c.x() - 12 * s, c.y() + r - 1.5 * s, 24 * s, bottom - (c.y() + r - 1.5 * s)),
         kBlack, QColor(0x30, 0x30, 0x38));
    head(p, c, r);
    QPainterPath hair(c + QPointF(-r * 1.0, -0.1 * r));
    hair.cubicTo(c + QPointF(-r * 1.06, -r * 1.2), c + QPointF(r * 1.06, -r * 1.2),
                 c + QPointF(r * 1.0, -0.1 * r));
    hair.quadTo(c + QPointF(r * 0.8, -r * 0.7), c + QPointF(0, -r * 0.68));
    hair.quadTo(c + QPointF(-r * 0.8, -r * 0.7), c + QPointF(-r * 1.0, -0.1 * r));
    fill(p, hair, QColor(0x3a, 0x2c, 0x22), QColor(0x1a, 0x10, 0x0a), 0.5);
    sunglasses(p, c + QPointF(0, 0.2 * s), r);
    stroke(p,
           curve(c + QPointF(-3.2 * s, 5.4 * s), c + QPointF(0.6 * s, 6.8 * s),
                 c + QPointF(3.6 * s, 4.6 * s)),
           kFeature, 0.9 * s);
    QPainterPath wire(c + QPointF(r * 0.98, 2.0 * s));
    wire.cubicTo(c + QPointF(r * 1.2, 5.0 * s), c + QPointF(r * 0.7, 7.0 * s),
                 c + QPointF(r * 1.0, r + 1.0 * s));
    stroke(p, wire, QColor(0xd0, 0xd4, 0xdc), 0.7 * s);
    ellipse(p, c + QPointF(r * 0.98, 1.6 * s), 0.9 * s, 0.9 * s, QColor(0xd0, 0xd4, 0xdc));
}

void drawSmith(QPainter& p) {
    legs(p, 23, 52, 70, kBlack, kBlack);
    arm(p, QPointF(14.2, 33), QPointF(11.6, 49), kBlack);
    arm(p, QPointF(31.8, 33), QPointF(34.4, 49), kBlack);
    agent(p, QPointF(23, 17.5), 11, 54);
}

// Many of them, one behind another.
void drawSmiths(QPainter& p) {
    agent(p, QPointF(31, 14), 8, 49);
    agent(p, QPointF(61, 14), 8, 49);
    agent(p, QPointF(14, 18.5), 9, 49);
    agent(p, QPointF(78, 18.5), 9, 49);
    agent(p, QPointF(46, 17.5), 10, 49);
}

// One of two pale, white-haired brothers in long white coats.
void twin(QPainter& p, qreal x) {
    const QPointF c(x, 15.5);
    const qreal r = 9.0;
    const QColor white(0xf8, 0xf8, 0xf6);
    const QColor whiteEdge(0x8a, 0x8e, 0x98);
    // Long locks hanging beside the face to the shoulders.
    QPainterPath locks;
    for (const int side : {-1, 1})
        for (const qreal dx : {0.62, 0.86, 1.06})
            locks.addRoundedRect(QRectF(c.x() + side * r * dx - 1.2, c.y() - r * 0.4, 2.4, r * 1.9),
                                 1.2, 1.2);
    fill(p, locks, white, whiteEdge, 0.55);
    QPainterPath coat(QPointF(x - 8, 25));
    coat.lineTo(QPointF(x + 8, 25));
    coat.lineTo(QPointF(x + 12, 63));
    coat.lineTo(QPointF(x - 12, 63));
    coat.closeSubpath();
    fill(p, coat, clothShade(QRectF(x - 12, 25, 24, 38), QColor(0xee, 0xee, 0xec)), whiteEdge, 0.7);
    QPainterPath seam(QPointF(x, 29));
    seam.lineTo(QPointF(x, 63));
    seam.moveTo(x - 4, 25.4);
    seam.lineTo(QPointF(x, 32));
    seam.lineTo(QPointF(x + 4, 25.4));
    stroke(p, seam, whiteEdge, 0.6);
    arm(p, QPointF(x - 8, 28), QPointF(x - 10.6, 44), QColor(0xe6, 0xe6, 0xe4), 3.6);
    arm(p, QPointF(x + 8, 28), QPointF(x + 10.6, 44), QColor(0xe6, 0xe6, 0xe4), 3.6);
    ellipse(p, QPointF(x - 4.4, 65.4), 3.0, 1.5, kBlack);
    ellipse(p, QPointF(x + 4.4, 65.4), 3.0, 1.5, kBlack);
    head(p, c, r, kPale, QColor(0xd8, 0xd0, 0xc8));
    QPainterPath top(c + QPointF(-r * 1.0, -r * 0.2));
    top.cubicTo(c + QPointF(-r * 1.0, -r * 1.25), c + QPointF(r * 1.0, -r * 1.25),
                c + QPointF(r * 1.0, -r * 0.2));
    top.quadTo(c + QPointF(0, -r * 0.8), c + QPointF(-r * 1.0, -r * 0.2));
    fill(p, top, white, whiteEdge, 0.6);
    sunglasses(p, c + QPointF(0, 0.6), r, true);
    stroke(p, curve(c + QPointF(-2.6, 4.6), c + QPointF(0, 6.6), c + QPointF(2.6, 4.6)), kFeature,
           0.8);
}

void drawTwins(QPainter& p) {
    twin(p, 14);
    twin(p, 42);
}

// A little girl in a pink dress with a bob of black hair.
void drawSati(QPainter& p) {
    const QPointF c(14.5, 11.0);
    const qreal r = 8.6;
    legs(p, 14.5, 29, 38, kSkin, QColor(0xd8, 0x2a, 0x5a), 2.6);
    QPainterPath dress(QPointF(10.6, 18.4));
    dress.lineTo(QPointF(18.4, 18.4));
    dress.lineTo(QPointF(22.4, 31.0));
    dress.lineTo(QPointF(6.6, 31.0));
    dress.closeSubpath();
    fill(p, dress, clothShade(QRectF(6.6, 18, 16, 13), QColor(0xff, 0x6a, 0xa8)),
         QColor(0xa8, 0x1e, 0x5a), 0.6);
    QPainterPath dots;
    dots.addEllipse(QPointF(11.6, 25.0), 0.8, 0.8);
    dots.addEllipse(QPointF(16.8, 27.4), 0.8, 0.8);
    dots.addEllipse(QPointF(14.0, 29.4), 0.8, 0.8);
    fill(p, dots, Qt::white);
    arm(p, QPointF(11.0, 20.6), QPointF(6.6, 25.6), kSkin, 2.2);
    arm(p, QPointF(18.0, 20.6), QPointF(22.4, 25.6), kSkin, 2.2);
    const QColor hair(0x1e, 0x18, 0x1a);
    QPainterPath bob(c + QPointF(-r * 1.12, r * 0.75));
    bob.cubicTo(c + QPointF(-r * 1.4, -r * 1.4), c + QPointF(r * 1.4, -r * 1.4),
                c + QPointF(r * 1.12, r * 0.75));
    bob.closeSubpath();
    fill(p, bob, hair, hair, 0.5);
    head(p, c + QPointF(0, 0.6), r * 0.9);
    QPainterPath bangs(c + QPointF(-r * 0.95, -r * 0.05));
    bangs.cubicTo(c + QPointF(-r * 1.0, -r * 1.1), c + QPointF(r * 1.0, -r * 1.1),
                  c + QPointF(r * 0.95, -r * 0.05));
    bangs.lineTo(c + QPointF(r * 0.6, -r * 0.3));
    bangs.lineTo(c + QPointF(-r * 0.6, -r * 0.3));
    bangs.closeSubpath();
    fill(p, bangs, hair);
    friendlyFace(p, c + QPointF(0, 1.6), r * 0.8);
    ellipse(p, c + QPointF(r * 0.75, -r * 0.55), 1.6, 1.6, QColor(0xff, 0xd0, 0x30),
            QColor(0xb0, 0x80, 0x00), 0.4);
}

// A round, fluffy creature with big ears, rosy cheeks and a curly tail.
void drawPokemon(QPainter& p) {
    const QColor fur(0x6c, 0xc4, 0xf4);
    const QColor furEdge(0x1e, 0x5a, 0x9a);
    const QColor tipColour(0x2a, 0x3a, 0x8a);
    // A curly tail ending in a puff.
    QPainterPath tail(QPointF(42, 41));
    tail.cubicTo(QPointF(49, 42), QPointF(51.5, 37), QPointF(48.5, 33.5));
    stroke(p, tail, furEdge, 3.6);
    stroke(p, tail, fur, 2.2);
    ellipse(p, QPointF(47.6, 31.2), 3.4, 3.2, fur.lighter(130), furEdge, 0.7);
    for (const int side : {-1, 1}) {
        QPainterPath ear(QPointF(26.5 + side * 6, 15));
        ear.quadTo(QPointF(26.5 + side * 20, 6), QPointF(26.5 + side * 22, 1.2));
        ear.quadTo(QPointF(26.5 + side * 21, 14), QPointF(26.5 + side * 15, 22));
        ear.closeSubpath();
        fill(p, ear, fur, furEdge, 0.8);
        QPainterPath tip(QPointF(26.5 + side * 18.2, 6.2));
        tip.quadTo(QPointF(26.5 + side * 21.0, 4.0), QPointF(26.5 + side * 22, 1.2));
        tip.quadTo(QPointF(26.5 + side * 21.8, 6.0), QPointF(26.5 + side * 21.0, 9.4));
        tip.closeSubpath();
        fill(p, tip, tipColour, tipColour, 0.4);
        QPainterPath inner(QPointF(26.5 + side * 9, 15.4));
        inner.quadTo(QPointF(26.5 + side * 17, 9.5), QPointF(26.5 + side * 18.8, 7.6));
        inner.quadTo(QPointF(26.5 + side * 18, 13), QPointF(26.5 + side * 14, 18.6));
        inner.closeSubpath();
        p.save();
        p.setClipPath(ear);
        fill(p, inner, QColor(0xff, 0xc4, 0xd8));
        p.restore();
    }
    ellipse(p, QPointF(18.5, 49.4), 5.4, 2.8, fur.darker(110), furEdge, 0.7);
    ellipse(p, QPointF(34.5, 49.4), 5.4, 2.8, fur.darker(110), furEdge, 0.7);
    QPainterPath body;
    body.addEllipse(QPointF(26.5, 31), 19.5, 17.5);
    QRadialGradient shade(QPointF(20, 22), 26);
    shade.setColorAt(0, fur.lighter(135));
    shade.setColorAt(0.6, fur);
    shade.setColorAt(1, fur.darker(125));
    fill(p, body, shade, furEdge, 0.9);
    ellipse(p, QPointF(26.5, 38.6), 10.5, 8.0, QColor(0xe6, 0xf6, 0xff));
    fill(p, star(QPointF(26.5, 17.2), 3.0, 1.3), QColor(0xff, 0xd4, 0x2a), QColor(0xb0, 0x80, 0),
         0.4);
    for (const int side : {-1, 1}) {
        ellipse(p, QPointF(26.5 + side * 7.4, 26.4), 2.8, 3.6, kBlack);
        ellipse(p, QPointF(26.5 + side * 7.4 + 0.9, 25.0), 1.1, 1.3, Qt::white);
        ellipse(p, QPointF(26.5 + side * 13.8, 32.2), 3.4, 2.4, QColor(0xff, 0x7a, 0x9a, 200));
    }
    QPainterPath mouth(QPointF(23.0, 31.2));
    mouth.quadTo(QPointF(24.8, 33.6), QPointF(26.5, 31.4));
    mouth.quadTo(QPointF(28.2, 33.6), QPointF(30.0, 31.2));
    stroke(p, mouth, kBlack, 0.9);
    QPainterPath paws;
    paws.addEllipse(QPointF(12.0, 38.0), 3.0, 2.4);
    paws.addEllipse(QPointF(41.0, 38.0), 3.0, 2.4);
    fill(p, paws, fur, furEdge, 0.7);
}

} // namespace

void addCharacterPictures(PictureSet& set) {
    set.insert({
        {"SpeedButton15", drawSeraph},
        {"SpeedButton14", drawPerse2},
        {"SpeedButton13", drawMero},
        {"SpeedButton16", drawSmiths},
        {"SpeedButton30", drawPokemon},
        {"SpeedButton19", drawPerse},
        {"SpeedButton20", drawSati},
        {"SpeedButton18", drawGhost},
        {"SpeedButton21", drawTwins},
        {"SpeedButton40", drawSmith},
    });
}

} // namespace quolan::smiley
