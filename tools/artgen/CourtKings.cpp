// The kings: bearded, nearly frontal, under an arched crown, in a
// patterned mantle with an ermine cape whose hem and what is worn over it
// (a chain with a medallion, a collar of links, a sash, clasps) differ by
// suit. Spades raises a sword upright, hearts holds his sword behind his
// head, diamonds stands with a battle axe and clubs holds the orb.
#include "tools/artgen/CourtFigures.h"
#include "tools/artgen/CourtParts.h"
#include "tools/artgen/Canvas.h"

namespace artgen::court {
namespace {

// The black tails on ermine.
void ermineSpots(QPainter &painter, const QPainterPath &fur)
{
    painter.save();
    painter.setClipPath(fur, Qt::IntersectClip);
    const QRectF box = fur.boundingRect();
    QPainterPath tails;
    tails.setFillRule(Qt::WindingFill);
    int row = 0;
    for (double y = box.top() + 1.2; y < box.bottom(); y += 2.6, ++row) {
        for (double x = box.left() + 1.0 + (row % 2) * 1.6; x < box.right(); x += 3.2) {
            tails.moveTo(x, y - 0.6);
            tails.quadTo(x + 0.45, y + 0.4, x, y + 0.9);
            tails.quadTo(x - 0.45, y + 0.4, x, y - 0.6);
            tails.closeSubpath();
            tails.addEllipse(QPointF(x - 0.55, y - 0.55), 0.22, 0.22);
            tails.addEllipse(QPointF(x + 0.55, y - 0.55), 0.22, 0.22);
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Line);
    painter.drawPath(tails);
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Line, Bold, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(fur);
}

void paintMantle(QPainter &painter, const Head &head, Suit suit, const Dress &dress)
{
    // The mantle over both shoulders, open in front over the robe.
    QPainterPath mantle;
    mantle.moveTo(14.5, 48.5);
    mantle.lineTo(14.8, 41);
    mantle.cubicTo(15.2, 35.5, 19.8, 32.8, 27, 32.2);
    mantle.lineTo(44, 32.2);
    mantle.cubicTo(51.2, 32.8, 55.8, 35.5, 56.2, 41);
    mantle.lineTo(56.5, 48.5);
    mantle.closeSubpath();
    patterned(painter, mantle, dress.main, dress.ink, dress.pattern);
    QPainterPath robe;
    robe.moveTo(29.5, 33);
    robe.lineTo(41.5, 33);
    robe.lineTo(45.0, 48.5);
    robe.lineTo(26.0, 48.5);
    robe.closeSubpath();
    shape(painter, robe, dress.second);
    // The robe's gold front seam with buttons.
    QPainterPath seam;
    seam.moveTo(35.5, 34);
    seam.lineTo(35.5, 48.5);
    band(painter, seam, Gold, 1.3);
    for (double y = 41.0; y < 48; y += 2.6)
        jewel(painter, QPointF(35.5, y), 0.5, dress.trim);
    paintNeck(painter, head, 34);
    // The ermine cape over the shoulders, its hem cut in the suit's way:
    // parted in front (spades), dagged (diamonds), scalloped (clubs) or
    // in one round sweep (hearts).
    QPainterPath cape;
    cape.moveTo(17.0, 38.0);
    cape.cubicTo(19.0, 33.6, 23.5, 31.8, 29.0, 31.3);
    cape.lineTo(42.0, 31.3);
    cape.cubicTo(47.5, 31.8, 52.0, 33.6, 54.0, 38.0);
    switch (suit) {
    case Suit::Spades:
        cape.cubicTo(50.0, 40.5, 45.0, 41.2, 41.0, 40.2);
        cape.lineTo(35.5, 36.5);
        cape.lineTo(30.0, 40.2);
        cape.cubicTo(26.0, 41.2, 21.0, 40.5, 17.0, 38.0);
        break;
    case Suit::Hearts:
        cape.cubicTo(48.0, 43.4, 23.0, 43.4, 17.0, 38.0);
        break;
    case Suit::Diamonds:
    case Suit::Clubs: {
        // Along a gentle curve from right to left, points or lobes.
        const int cuts = 7;
        for (int i = 0; i < cuts; ++i) {
            const double a = 54.0 - 37.0 * i / cuts;
            const double b = 54.0 - 37.0 * (i + 1) / cuts;
            const auto hem = [](double x) { return 38.0 + 3.2 * (1 - (x - 35.5) * (x - 35.5) / (18.5 * 18.5)); };
            if (suit == Suit::Diamonds) {
                cape.lineTo((a + b) / 2, hem((a + b) / 2) + 1.8);
                cape.lineTo(b, hem(b));
            } else {
                cape.quadTo((a + b) / 2, hem((a + b) / 2) + 2.6, b, hem(b));
            }
        }
        break;
    }
    }
    cape.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ermine);
    painter.drawPath(cape);
    ermineSpots(painter, cape);
    // What each king wears over the cape.
    switch (suit) {
    case Suit::Spades: {
        // A chain of office with a medallion.
        QPainterPath chain;
        chain.moveTo(22.0, 36.2);
        chain.quadTo(35.5, 45.5, 49.0, 36.2);
        band(painter, chain, Gold, 0.8, 0.35);
        jewel(painter, QPointF(35.5, 41.6), 1.5, Gold);
        jewel(painter, QPointF(35.5, 41.6), 0.8, dress.trim);
        break;
    }
    case Suit::Hearts:
        // A collar of gold links.
        for (int i = 0; i <= 12; ++i) {
            const double t = i / 12.0;
            const double x = 22.0 + 27.0 * t;
            const double y = 36.2 + 9.3 * 2 * t * (1 - t);
            jewel(painter, QPointF(x, y), i % 2 ? 0.55 : 0.75, i % 2 ? Ermine : Gold);
        }
        break;
    case Suit::Diamonds: {
        // A sash across the chest.
        QPainterPath sash;
        sash.moveTo(22.5, 33.5);
        sash.lineTo(49.5, 48.8);
        band(painter, sash, dress.trim, 2.6);
        jewel(painter, QPointF(40.0, 43.4), 1.0, Gold);
        break;
    }
    case Suit::Clubs:
        // The cape's clasps, joined by a short chain.
        for (double x : {29.5, 41.5}) {
            QPainterPath rosette = starPath(x, 38.9, 1.5, 0.9, 6);
            shape(painter, rosette, Gold, Fine);
            jewel(painter, QPointF(x, 38.9), 0.55, dress.trim);
        }
        {
            QPainterPath chain;
            chain.moveTo(31.0, 39.0);
            chain.quadTo(35.5, 41.2, 40.0, 39.0);
            band(painter, chain, Gold, 0.5, 0.3);
        }
        break;
    }
}

struct King {
    Head head;
    QPointF sign;  // the suit sign in the free upper corner
    void (*attribute)(QPainter &painter, const Dress &dress, bool front);
};

// Each attribute is drawn twice: once behind the head (front false) and
// once over the body (front true), so that it can pass behind the head.
void swordRaised(QPainter &painter, const Dress &dress, bool front)
{
    if (!front)
        return;
    paintSleeve(painter, QPointF(17.4, 48.5), QPointF(19.9, 41.8), 4.4, dress.main, Ermine);
    paintSword(painter, QPointF(20.3, 40.4), QPointF(20.3, 11.8));
    paintFist(painter, QPointF(20.3, 40.4), 90);
}

void swordBehindHead(QPainter &painter, const Dress &dress, bool front)
{
    const QPointF hilt(20.0, 39.0);
    const QPointF tip(52.5, 13.0);
    if (!front) {
        paintSword(painter, hilt, tip);
        return;
    }
    paintSleeve(painter, QPointF(17.2, 48.5), QPointF(19.0, 41.0), 4.4, dress.main, Ermine);
    paintFist(painter, hilt, 38.7);
}

void battleAxe(QPainter &painter, const Dress &dress, bool front)
{
    if (!front)
        return;
    paintSleeve(painter, QPointF(54.4, 48.5), QPointF(50.2, 42.0), 4.4, dress.main, Ermine);
    paintAxe(painter, QPointF(49.4, 48.5), QPointF(49.4, 18.0), dress.trim, 1);
    paintFist(painter, QPointF(49.4, 40.5), 90);
}

void orb(QPainter &painter, const Dress &dress, bool front)
{
    if (!front)
        return;
    paintSleeve(painter, QPointF(17.4, 48.5), QPointF(22.0, 42.5), 4.6, dress.main, Ermine);
    paintOrb(painter, QPointF(22.8, 37.4), 3.3, dress.trim);
    // The open hand under the orb.
    QPainterPath hand;
    hand.moveTo(25.8, 40.2);
    hand.quadTo(23.0, 42.6, 19.6, 40.0);
    hand.quadTo(20.2, 43.4, 22.6, 43.3);
    hand.quadTo(25.4, 43.2, 25.8, 40.2);
    hand.closeSubpath();
    shape(painter, hand, Skin, 0.5);
}

King kingOf(Suit suit)
{
    const QColor blue(70, 110, 170);
    const QColor brown(110, 70, 40);
    switch (suit) {
    case Suit::Spades:
        return {{{35.0, 25.0}, 12, 13.4, 0.25, QColor(236, 236, 232), blue, Hair::Curled, Beard::Forked, false},
                {51.5, 15.5},
                swordRaised};
    case Suit::Hearts:
        return {{{35.5, 25.0}, 12, 13.4, -0.3, QColor(196, 100, 40), brown, Hair::Curled, Beard::Curly, false},
                {19.5, 15.5},
                swordBehindHead};
    case Suit::Diamonds:
        return {{{34.5, 25.0}, 12, 13.4, -0.35, QColor(90, 58, 38), brown, Hair::Curled, Beard::Pointed, false},
                {20.5, 15.5},
                battleAxe};
    case Suit::Clubs:
        return {{{37.5, 25.0}, 12, 13.4, -0.3, QColor(222, 172, 60), blue, Hair::Curled, Beard::Full, false},
                {51.0, 15.5},
                orb};
    }
    return {};
}

} // namespace

void paintKing(QPainter &painter, Suit suit)
{
    const Dress dress = dressOf(suit);
    const King king = kingOf(suit);
    paintHairBehind(painter, king.head);
    paintMantle(painter, king.head, suit, dress);
    king.attribute(painter, dress, false);
    paintFace(painter, king.head);
    paintBeard(painter, king.head);
    paintHairFront(painter, king.head);
    paintKingCrown(painter, king.head, suit, dress);
    king.attribute(painter, dress, true);
    paintSuit(painter, suit, king.sign.x(), king.sign.y(), 6.5, suitColour(suit));
}

} // namespace artgen::court
