// The queens: turned a little aside under an open crown or a tiara, veiled
// (spades), in ringlets (diamonds), in plaits (clubs) or with long hair
// (hearts), in a low-necked gown with a laced front, a pearl necklace and
// bell sleeves (close slashed sleeves and a square neck on hearts, a
// standing lace collar on diamonds). Spades holds a sceptre, hearts a
// rose, diamonds an open fan and clubs a bunch of tulips.
#include "tools/artgen/CourtFigures.h"
#include "tools/artgen/CourtParts.h"

namespace artgen::court {
namespace {

// A standing lace collar, fanned out behind the head of a figure whose
// body is centred on bx.
void paintLaceCollar(QPainter &painter, double bx, const Dress &dress)
{
    const auto at = [bx](double x, double y) { return QPointF(bx + x, y); };
    QPainterPath collar;
    collar.moveTo(at(-6.0, 34.0));
    collar.cubicTo(at(-9.0, 30.0), at(-12.0, 26.0), at(-12.4, 21.5));
    const int scallops = 9;
    for (int i = 0; i < scallops; ++i) {
        const double a = -12.4 + 24.8 * i / scallops;
        const double b = -12.4 + 24.8 * (i + 1) / scallops;
        const auto rim = [](double x) { return 21.5 - 2.2 * (1 - x * x / (12.4 * 12.4)); };
        collar.quadTo(at((a + b) / 2, rim((a + b) / 2) - 1.3), at(b, rim(b)));
    }
    collar.cubicTo(at(12.0, 26.0), at(9.0, 30.0), at(6.0, 34.0));
    collar.closeSubpath();
    shape(painter, collar, Ermine);
    for (int i = 1; i < 8; ++i) {
        const double x = -10.5 + 21.0 * i / 8;
        QPainterPath rib;
        rib.moveTo(at(x * 0.35, 32.0));
        rib.lineTo(at(x, 21.2 - 2.0 * (1 - x * x / 154.0)));
        stroke(painter, rib, QColor(190, 196, 214), 0.35);
    }
    QPainterPath edge;
    edge.moveTo(at(-11.6, 23.2));
    edge.quadTo(at(0, 17.6), at(11.6, 23.2));
    stroke(painter, edge, dress.ink, 0.5);
}

void paintGown(QPainter &painter, const Head &head, Suit suit, const Dress &dress)
{
    // The body leans a little towards where the head is.
    const double bx = 35.5 + (head.centre.x() - 35.5) * 0.35;
    const auto at = [bx](double x, double y) { return QPointF(bx + x, y); };
    if (suit == Suit::Diamonds)
        paintLaceCollar(painter, bx, dress);
    for (int side : {-1, 1}) {
        QPainterPath sleeve;
        sleeve.moveTo(at(side * 9.0, 33.4));
        if (suit == Suit::Hearts) {
            // Close sleeves, slashed at the shoulder.
            sleeve.cubicTo(at(side * 13.8, 33.0), at(side * 15.6, 35.4), at(side * 15.8, 39.0));
            sleeve.lineTo(at(side * 16.4, 48.5));
            sleeve.lineTo(at(side * 11.5, 48.5));
            sleeve.closeSubpath();
            shape(painter, sleeve, dress.second);
            painter.save();
            painter.setClipPath(sleeve, Qt::IntersectClip);
            for (double x : {11.6, 13.6}) {
                QPainterPath slash;
                slash.moveTo(at(side * (x - 0.6), 33.0));
                slash.quadTo(at(side * (x + 0.6), 35.6), at(side * (x + 0.4), 38.4));
                band(painter, slash, dress.main, 0.8, 0.3);
            }
            QPainterPath armlet;
            armlet.moveTo(at(side * 10.5, 39.6));
            armlet.lineTo(at(side * 16.6, 39.2));
            band(painter, armlet, Gold, 0.9, 0.35);
            painter.restore();
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(Line, Bold, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPath(sleeve);
            continue;
        }
        // Bell sleeves hanging from the shoulders, turned back at the hem
        // to show their lining.
        sleeve.cubicTo(at(side * 15.0, 33.0), at(side * 17.6, 36.6), at(side * 18.0, 40.5));
        sleeve.quadTo(at(side * 19.4, 45.5), at(side * 21.2, 48.5));
        sleeve.lineTo(at(side * 11.5, 48.5));
        sleeve.closeSubpath();
        shape(painter, sleeve, dress.second);
        QPainterPath lining;
        lining.moveTo(at(side * 12.0, 48.5));
        lining.quadTo(at(side * 15.5, 44.6), at(side * 20.4, 46.8));
        lining.quadTo(at(side * 20.8, 47.8), at(side * 21.2, 48.5));
        lining.closeSubpath();
        shape(painter, lining, dress.trim, Fine);
    }
    QPainterPath bodice;
    bodice.moveTo(at(-12.0, 48.5));
    bodice.lineTo(at(-11.6, 38.5));
    bodice.cubicTo(at(-11.4, 35.0), at(-9.2, 33.3), at(-6.5, 33.0));
    bodice.lineTo(at(6.5, 33.0));
    bodice.cubicTo(at(9.2, 33.3), at(11.4, 35.0), at(11.6, 38.5));
    bodice.lineTo(at(12.0, 48.5));
    bodice.closeSubpath();
    patterned(painter, bodice, dress.main, dress.ink, dress.pattern);
    // The laced front panel.
    QPainterPath panel;
    panel.moveTo(at(-4.8, 36.5));
    panel.lineTo(at(4.8, 36.5));
    panel.lineTo(at(1.8, 48.5));
    panel.lineTo(at(-1.8, 48.5));
    panel.closeSubpath();
    shape(painter, panel, dress.second);
    QPainterPath lacing;
    lacing.moveTo(at(-3.0, 38.5));
    for (int i = 0; i < 4; ++i) {
        const double y = 38.5 + i * 2.4;
        const double half = 3.0 - i * 0.55;
        lacing.lineTo(at(i % 2 ? -half : half, y + 2.4));
    }
    stroke(painter, lacing, Gold, 0.45);
    // Gold seams where the sleeves meet the bodice.
    for (int side : {-1, 1}) {
        QPainterPath seam;
        seam.moveTo(at(side * 8.6, 33.2));
        seam.cubicTo(at(side * 11.0, 34.0), at(side * 11.8, 36.0), at(side * 11.9, 38.5));
        seam.lineTo(at(side * 12.2, 48.5));
        band(painter, seam, Gold, 0.8, 0.35);
    }
    paintNeck(painter, head, 35.0);
    // The neckline, edged with gold: square on hearts, round elsewhere.
    QPainterPath neckline;
    QPainterPath edge;
    if (suit == Suit::Hearts) {
        neckline.moveTo(at(-6.6, 32.8));
        neckline.lineTo(at(6.6, 32.8));
        neckline.lineTo(at(6.0, 37.2));
        neckline.lineTo(at(-6.0, 37.2));
        neckline.closeSubpath();
        edge.moveTo(at(-6.9, 33.0));
        edge.lineTo(at(-6.3, 37.6));
        edge.lineTo(at(6.3, 37.6));
        edge.lineTo(at(6.9, 33.0));
    } else {
        neckline.moveTo(at(-7.0, 32.8));
        neckline.lineTo(at(7.0, 32.8));
        neckline.cubicTo(at(6.4, 35.9), at(3.4, 37.3), at(0, 37.3));
        neckline.cubicTo(at(-3.4, 37.3), at(-6.4, 35.9), at(-7.0, 32.8));
        neckline.closeSubpath();
        edge.moveTo(at(-7.3, 33.0));
        edge.cubicTo(at(-6.6, 36.3), at(-3.4, 37.7), at(0, 37.7));
        edge.cubicTo(at(3.4, 37.7), at(6.6, 36.3), at(7.3, 33.0));
    }
    shape(painter, neckline, Skin, 0.55);
    band(painter, edge, Gold, 0.9);
    // A string of pearls with a pendant.
    const QPointF neck(head.centre.x() + head.turn * 0.3, 33.6);
    for (int i = -3; i <= 3; ++i)
        jewel(painter, neck + QPointF(i * 1.05, 0.055 * (9 - i * i) + 0.1 * i * i), 0.5, Ermine);
    jewel(painter, neck + QPointF(0, 1.9), 0.75, dress.trim);
}

struct Queen {
    Head head;
    QPointF sign;  // the suit sign in the free upper corner
    void (*attribute)(QPainter &painter, const Dress &dress);
};

void sceptre(QPainter &painter, const Dress &dress)
{
    paintSleeve(painter, QPointF(53.8, 48.5), QPointF(48.6, 42.0), 4.2, dress.second, Ermine);
    paintSceptre(painter, QPointF(45.9, 46.8), QPointF(51.8, 15.0), dress.trim);
    paintFist(painter, QPointF(47.5, 40.3), 79.2);
}

void rose(QPainter &painter, const Dress &dress)
{
    paintSleeve(painter, QPointF(17.2, 48.5), QPointF(21.2, 40.6), 4.2, dress.second, Ermine);
    paintRose(painter, QPointF(21.0, 27.6), QPointF(22.8, 41.2));
    paintFist(painter, QPointF(22.3, 38.6), 82);
}

void fan(QPainter &painter, const Dress &dress)
{
    paintSleeve(painter, QPointF(53.8, 48.5), QPointF(48.6, 42.2), 4.2, dress.second, Ermine);
    paintFan(painter, QPointF(47.4, 39.6), 9.2, 20, 112, Ermine, dress.ink);
    paintFist(painter, QPointF(47.6, 40.2), 70);
}

void tulips(QPainter &painter, const Dress &dress)
{
    paintSleeve(painter, QPointF(17.2, 48.5), QPointF(21.0, 42.2), 4.2, dress.second, Ermine);
    paintTulips(painter, QPointF(21.6, 40.8), 10.0, QColor(246, 210, 60));
    paintFist(painter, QPointF(21.5, 40.4), 92);
}

Queen queenOf(Suit suit)
{
    const QColor blue(70, 110, 170);
    const QColor green(70, 130, 80);
    const QColor brown(110, 70, 40);
    switch (suit) {
    case Suit::Spades:
        return {{{33.6, 24.4}, 11.4, 12.8, 0.35, QColor(44, 38, 44), blue, Hair::Veiled, Beard::None, true}, {20.0, 15.5}, sceptre};
    case Suit::Hearts:
        return {{{37.6, 24.4}, 11.4, 12.8, -0.4, QColor(246, 212, 136), blue, Hair::Long, Beard::None, true}, {51.5, 15.5}, rose};
    case Suit::Diamonds:
        return {{{33.4, 24.4}, 11.4, 12.8, 0.3, QColor(118, 70, 40), brown, Hair::Ringlets, Beard::None, true}, {20.0, 15.5}, fan};
    case Suit::Clubs:
        return {{{37.5, 24.4}, 11.4, 12.8, -0.3, QColor(176, 74, 36), green, Hair::Braided, Beard::None, true}, {51.5, 15.5}, tulips};
    }
    return {};
}

} // namespace

void paintQueen(QPainter &painter, Suit suit)
{
    const Dress dress = dressOf(suit);
    const Queen queen = queenOf(suit);
    paintHairBehind(painter, queen.head);
    paintGown(painter, queen.head, suit, dress);
    paintFace(painter, queen.head);
    paintHairFront(painter, queen.head);
    paintQueenCrown(painter, queen.head, suit, dress);
    queen.attribute(painter, dress);
    paintSuit(painter, suit, queen.sign.x(), queen.sign.y(), 6.5, suitColour(suit));
}

} // namespace artgen::court
