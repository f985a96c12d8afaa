// The jacks: young and beardless, turned to one side, in a patterned
// doublet with a ruff, slashed sleeves, a short cape over one shoulder and
// a belt across the chest. Spades carries a halberd, hearts a torch,
// diamonds a bow and clubs a cudgel.
#include "tools/artgen/CourtFigures.h"
#include "tools/artgen/CourtParts.h"
#include "tools/artgen/Canvas.h"

#include <QtMath>

namespace artgen::court {
namespace {

void paintDoublet(QPainter &painter, const Head &head, const Dress &dress)
{
    const double bx = 35.5 + (head.centre.x() - 35.5) * 0.5;
    const auto at = [bx](double x, double y) { return QPointF(bx + x, y); };
    const double back = head.turn >= 0 ? -1 : 1;
    // The upper arms in slashed sleeves, hanging from round shoulders.
    for (int side : {-1, 1}) {
        QPainterPath sleeve;
        sleeve.moveTo(at(side * 8.0, 33.2));
        sleeve.cubicTo(at(side * 13.0, 32.9), at(side * 16.0, 35.2), at(side * 16.5, 39.5));
        sleeve.lineTo(at(side * 17.3, 48.5));
        sleeve.lineTo(at(side * 10.0, 48.5));
        sleeve.closeSubpath();
        shape(painter, sleeve, dress.second);
        painter.save();
        painter.setClipPath(sleeve, Qt::IntersectClip);
        for (double y : {38.6, 42.4, 46.2}) {
            QPainterPath slash;
            slash.moveTo(at(side * 9.5, y + 0.6));
            slash.quadTo(at(side * 13.5, y - 0.6), at(side * 18.0, y + 0.5));
            band(painter, slash, dress.main, 0.9, 0.35);
        }
        painter.restore();
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Line, Bold, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(sleeve);
    }
    QPainterPath body;
    body.moveTo(at(-11.0, 48.5));
    body.lineTo(at(-10.8, 38.5));
    body.cubicTo(at(-10.6, 34.6), at(-8.2, 32.9), at(-5.0, 32.6));
    body.lineTo(at(5.0, 32.6));
    body.cubicTo(at(8.2, 32.9), at(10.6, 34.6), at(10.8, 38.5));
    body.lineTo(at(11.0, 48.5));
    body.closeSubpath();
    patterned(painter, body, dress.main, dress.ink, dress.pattern);
    // The belt across the chest, with its buckle.
    QPainterPath belt;
    belt.moveTo(at(back * 8.5, 34.0));
    belt.lineTo(at(-back * 10.5, 46.5));
    band(painter, belt, QColor(96, 60, 36), 1.4);
    const QPointF buckle = at(back * 0.4, 39.3);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(buckle - QPointF(1.0, 1.0), QSizeF(2.0, 2.0)), 0.4, 0.4);
    shape(painter, frame, Gold, Fine);
    // The short cape over the shoulder away from the gaze, lined in the
    // trim colour.
    QPainterPath cape;
    cape.moveTo(at(back * 3.0, 32.4));
    cape.cubicTo(at(back * 10.5, 32.0), at(back * 16.6, 34.0), at(back * 17.8, 39.0));
    cape.lineTo(at(back * 18.6, 46.6));
    cape.quadTo(at(back * 14.4, 47.6), at(back * 9.8, 46.4));
    cape.cubicTo(at(back * 9.4, 40.5), at(back * 7.0, 35.6), at(back * 3.0, 34.4));
    cape.closeSubpath();
    shape(painter, cape, dress.trim);
    for (double x : {13.0, 15.8}) {
        QPainterPath fold;
        fold.moveTo(at(back * (x - 2.2), 36.0));
        fold.quadTo(at(back * (x - 0.2), 40.0), at(back * x, 46.8));
        stroke(painter, fold, mix(dress.trim, Line, 0.45), 0.4);
    }
    QPainterPath lining;
    lining.moveTo(at(back * 3.4, 34.4));
    lining.cubicTo(at(back * 7.2, 35.4), at(back * 9.6, 40.5), at(back * 10.0, 46.4));
    band(painter, lining, Gold, 0.7, 0.3);
    paintNeck(painter, head, 33.6);
    // The ruff round the neck.
    const QPointF neck(head.centre.x() + head.turn * 0.3, 32.6);
    QPainterPath ruff;
    const int pleats = 16;
    for (int i = 0; i <= pleats * 2; ++i) {
        const double a = M_PI * i / pleats;
        const double r = i % 2 ? 1.0 : 0.82;
        const QPointF p = neck + QPointF(std::cos(a) * 5.2 * r, std::sin(a) * 1.8 * r);
        if (i == 0)
            ruff.moveTo(p);
        else
            ruff.lineTo(p);
    }
    ruff.closeSubpath();
    shape(painter, ruff, Ermine, Fine);
}

struct Jack {
    Head head;
    QPointF sign;  // the suit sign in the free upper corner
    void (*attribute)(QPainter &painter, const Dress &dress);
};

void halberd(QPainter &painter, const Dress &dress)
{
    paintSleeve(painter, QPointF(22.0, 48.5), QPointF(25.6, 42.6), 4.0, dress.second, dress.ink);
    paintHalberd(painter, QPointF(19.5, 48.5), QPointF(53.2, 13.6), 1);
    const double angle = qRadiansToDegrees(std::atan2(48.5 - 13.6, 53.2 - 19.5));
    paintFist(painter, QPointF(27.0, 40.7), angle);
}

void torch(QPainter &painter, const Dress &dress)
{
    paintSleeve(painter, QPointF(54.2, 48.5), QPointF(50.0, 42.0), 4.0, dress.second, dress.ink);
    paintTorch(painter, QPointF(48.4, 47.0), QPointF(51.4, 14.8));
    paintFist(painter, QPointF(49.0, 40.4), 84.7);
}

void bow(QPainter &painter, const Dress &dress)
{
    paintSleeve(painter, QPointF(22.5, 36.5), QPointF(18.2, 31.4), 3.6, dress.second, dress.ink);
    paintBow(painter, QPointF(19.6, 13.2), QPointF(19.6, 46.6), -3.6);
    paintFist(painter, QPointF(16.9, 29.9), 90);
}

void cudgel(QPainter &painter, const Dress &dress)
{
    paintSleeve(painter, QPointF(53.6, 48.5), QPointF(49.6, 42.6), 4.0, dress.second, dress.ink);
    paintCudgel(painter, QPointF(47.8, 46.8), QPointF(54.2, 16.4));
    const double angle = qRadiansToDegrees(std::atan2(46.8 - 16.4, 47.8 - 54.2));
    paintFist(painter, QPointF(48.8, 41.2), angle);
}

Jack jackOf(Suit suit)
{
    const QColor blue(70, 110, 170);
    const QColor green(70, 130, 80);
    const QColor brown(110, 70, 40);
    switch (suit) {
    case Suit::Spades:
        return {{{32.0, 23.8}, 11, 12.4, 0.45, QColor(120, 76, 40), brown, Hair::Cropped, Beard::None, false}, {17.8, 15.0}, halberd};
    case Suit::Hearts:
        return {{{32.6, 23.8}, 11, 12.4, 0.4, QColor(232, 190, 90), blue, Hair::Curled, Beard::None, false}, {19.5, 15.5}, torch};
    case Suit::Diamonds:
        return {{{38.6, 23.8}, 11, 12.4, -0.45, QColor(160, 66, 32), green, Hair::Cropped, Beard::None, false}, {52.5, 15.5}, bow};
    case Suit::Clubs:
        return {{{34.0, 23.8}, 11, 12.4, 0.35, QColor(44, 36, 32), brown, Hair::Cropped, Beard::None, false}, {19.0, 15.5}, cudgel};
    }
    return {};
}

} // namespace

void paintJack(QPainter &painter, Suit suit)
{
    const Dress dress = dressOf(suit);
    const Jack jack = jackOf(suit);
    paintHairBehind(painter, jack.head);
    paintDoublet(painter, jack.head, dress);
    paintFace(painter, jack.head);
    paintHairFront(painter, jack.head);
    paintJackHat(painter, jack.head, suit, dress);
    jack.attribute(painter, dress);
    paintSuit(painter, suit, jack.sign.x(), jack.sign.y(), 6.5, suitColour(suit));
}

} // namespace artgen::court
