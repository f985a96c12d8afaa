// What the court figures wear on their heads: the kings' arched crowns, the
// queens' open crowns and the jacks' hats, each suit with its own form.
// Everything ends clear of the top of the frame.
#include "tools/artgen/CourtParts.h"
#include "tools/artgen/Canvas.h"

#include <QtMath>

namespace artgen::court {
namespace {

// One point of a crown standing on `base` at x, `height` tall, in the form
// of the suit: a fleur (spades), a cross (hearts), a spike with a pearl
// (diamonds) or a trefoil of pearls (clubs).
void crownPoint(QPainter &painter, Suit suit, double x, double base, double height)
{
    switch (suit) {
    case Suit::Spades: {
        QPainterPath fleur;
        fleur.moveTo(x - 0.5, base);
        fleur.quadTo(x - 1.6, base - height * 0.55, x - 1.3, base - height * 0.62);
        fleur.quadTo(x - 0.6, base - height * 0.6, x - 0.35, base - height * 0.45);
        fleur.quadTo(x - 0.9, base - height * 0.9, x, base - height);
        fleur.quadTo(x + 0.9, base - height * 0.9, x + 0.35, base - height * 0.45);
        fleur.quadTo(x + 0.6, base - height * 0.6, x + 1.3, base - height * 0.62);
        fleur.quadTo(x + 1.6, base - height * 0.55, x + 0.5, base);
        fleur.closeSubpath();
        shape(painter, fleur, Gold, Fine);
        break;
    }
    case Suit::Hearts: {
        const double arm = 0.45;
        const QPointF c(x, base - height + 1.0);
        QPainterPath cross;
        cross.moveTo(x - arm, base);
        cross.lineTo(x - arm, c.y() + arm);
        cross.lineTo(x - 1.1, c.y() + arm * 1.4);
        cross.lineTo(x - 1.1, c.y() - arm * 1.4);
        cross.lineTo(x - arm, c.y() - arm);
        cross.lineTo(x - arm * 1.4, base - height);
        cross.lineTo(x + arm * 1.4, base - height);
        cross.lineTo(x + arm, c.y() - arm);
        cross.lineTo(x + 1.1, c.y() - arm * 1.4);
        cross.lineTo(x + 1.1, c.y() + arm * 1.4);
        cross.lineTo(x + arm, c.y() + arm);
        cross.lineTo(x + arm, base);
        cross.closeSubpath();
        shape(painter, cross, Gold, Fine);
        break;
    }
    case Suit::Diamonds: {
        QPainterPath spike;
        spike.moveTo(x - 0.9, base);
        spike.lineTo(x, base - height + 0.7);
        spike.lineTo(x + 0.9, base);
        spike.closeSubpath();
        shape(painter, spike, Gold, Fine);
        jewel(painter, QPointF(x, base - height + 0.65), 0.65, Ermine);
        break;
    }
    case Suit::Clubs: {
        QPainterPath stem;
        stem.moveTo(x - 0.4, base);
        stem.lineTo(x - 0.25, base - height + 1.2);
        stem.lineTo(x + 0.25, base - height + 1.2);
        stem.lineTo(x + 0.4, base);
        stem.closeSubpath();
        shape(painter, stem, Gold, Fine);
        for (const QPointF d : {QPointF(0, -0.95), QPointF(-0.75, -0.1), QPointF(0.75, -0.1)})
            jewel(painter, QPointF(x, base - height + 1.5) + d * 0.75, 0.55, Ermine);
        break;
    }
    }
}

// A gold band across the forehead, from x0 to x1 with its bottom on
// `base`, set with stones.
void crownBand(QPainter &painter, double x0, double x1, double base, double height, const QColor &stone, int stones)
{
    QPainterPath band;
    band.moveTo(x0, base - height);
    band.quadTo((x0 + x1) / 2, base - height - 0.6, x1, base - height);
    band.lineTo(x1, base);
    band.quadTo((x0 + x1) / 2, base - 0.6, x0, base);
    band.closeSubpath();
    shape(painter, band, Gold, Fine);
    for (int i = 0; i < stones; ++i) {
        const double x = x0 + (x1 - x0) * (i + 0.5) / stones;
        const double y = base - height / 2 - 0.3;
        if (i % 2)
            jewel(painter, QPointF(x, y), 0.45, Ermine);
        else
            jewel(painter, QPointF(x, y), 0.62, stone);
    }
}

// A plume along `spine` (a cubic from its root to its tip) `width` wide,
// its barbs as notches down the outer edge.
void plume(QPainter &painter, QPointF root, QPointF c1, QPointF c2, QPointF tip, double width, double side,
           const QColor &colour)
{
    QPainterPath spine;
    spine.moveTo(root);
    spine.cubicTo(c1, c2, tip);
    QPainterPath feather;
    const int steps = 7;
    const auto normalAt = [&](double t) {
        const double angle = spine.angleAtPercent(t) * M_PI / 180;
        return QPointF(-std::sin(angle), -std::cos(angle)) * side;
    };
    feather.moveTo(root);
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double w = width * std::sin(M_PI * (0.15 + 0.85 * t)) * 0.5 + 0.1;
        const QPointF out = spine.pointAtPercent(t) + normalAt(t) * w;
        const QPointF notch = spine.pointAtPercent(t - 0.5 / steps) + normalAt(t - 0.5 / steps) * w * 0.55;
        feather.lineTo(notch);
        feather.lineTo(out);
    }
    for (int i = steps; i >= 0; --i) {
        const double t = double(i) / steps;
        const double w = width * std::sin(M_PI * (0.15 + 0.85 * t)) * 0.5 + 0.1;
        feather.lineTo(spine.pointAtPercent(t) - normalAt(t) * w * 0.6);
    }
    feather.closeSubpath();
    shape(painter, feather, colour, Fine);
    stroke(painter, spine, mix(colour, Line, 0.35), 0.3);
}

} // namespace

void paintKingCrown(QPainter &painter, const Head &head, Suit suit, const Dress &dress)
{
    const double cx = head.centre.x();
    const double base = crownLine(head) + 1.0;
    const double half = head.width / 2 + 0.8;
    const double bandTop = base - 2.4;
    const double apex = bandTop - 4.0;
    // The velvet cap under the arches.
    QPainterPath cap;
    cap.moveTo(cx - half + 0.6, bandTop + 0.3);
    cap.cubicTo(cx - half + 0.6, apex - 0.4, cx + half - 0.6, apex - 0.4, cx + half - 0.6, bandTop + 0.3);
    cap.closeSubpath();
    shape(painter, cap, suit == Suit::Hearts ? dress.second : dress.trim);
    // The arches meeting over the cap, and the orb with its cross on top.
    for (int side : {-1, 1}) {
        QPainterPath arch;
        arch.moveTo(cx + side * (half - 0.9), bandTop);
        arch.cubicTo(cx + side * (half - 0.6), apex + 0.6, cx + side * 2.0, apex - 0.2, cx, apex + 0.2);
        band(painter, arch, Gold, 0.9);
    }
    QPainterPath middle;
    middle.moveTo(cx, bandTop);
    middle.lineTo(cx, apex + 0.4);
    band(painter, middle, Gold, 0.8);
    QPainterPath cross;
    cross.moveTo(cx, apex - 0.6);
    cross.lineTo(cx, apex - 2.7);
    cross.moveTo(cx - 0.8, apex - 1.95);
    cross.lineTo(cx + 0.8, apex - 1.95);
    band(painter, cross, Gold, 0.5, 0.35);
    jewel(painter, QPointF(cx, apex - 0.3), 0.85, Gold);
    // Points along the band, before the band itself.
    for (int i = -2; i <= 2; ++i) {
        const double x = cx + i * (half - 0.7) / 2;
        crownPoint(painter, suit, x, bandTop + 0.3, i % 2 ? 2.4 : 3.0);
    }
    crownBand(painter, cx - half, cx + half, base, 2.4, dress.trim, 5);
}

void paintQueenCrown(QPainter &painter, const Head &head, Suit suit, const Dress &dress)
{
    const double cx = head.centre.x() + head.turn * 0.5;
    const double base = crownLine(head) + 0.2;
    const double half = head.width * 0.4;
    const double bandTop = base - 1.6;
    if (suit == Suit::Diamonds) {
        // A tiara: a pointed arch of gold set with one large stone.
        QPainterPath tiara;
        tiara.moveTo(cx - half, bandTop + 0.4);
        tiara.quadTo(cx - half * 0.5, bandTop - 1.0, cx, bandTop - 3.6);
        tiara.quadTo(cx + half * 0.5, bandTop - 1.0, cx + half, bandTop + 0.4);
        tiara.closeSubpath();
        shape(painter, tiara, Gold, Fine);
        jewel(painter, QPointF(cx, bandTop - 1.3), 0.95, dress.trim);
        for (int side : {-1, 1})
            jewel(painter, QPointF(cx + side * half * 0.55, bandTop - 0.2), 0.45, Ermine);
    } else {
        for (int i = -2; i <= 2; ++i) {
            const double x = cx + i * (half - 0.5) / 2;
            const double height = i == 0 ? 2.8 : i % 2 ? 2.0 : 2.4;
            if (suit == Suit::Spades) {
                // Plain spikes with pearls.
                QPainterPath spike;
                spike.moveTo(x - 0.75, bandTop + 0.3);
                spike.lineTo(x, bandTop - height + 0.5);
                spike.lineTo(x + 0.75, bandTop + 0.3);
                spike.closeSubpath();
                shape(painter, spike, Gold, Fine);
                jewel(painter, QPointF(x, bandTop - height + 0.5), 0.5, Ermine);
            } else {
                crownPoint(painter, suit, x, bandTop + 0.3, height * 0.95);
            }
        }
    }
    crownBand(painter, cx - half, cx + half, base, 1.6, dress.trim, 3);
}

void paintJackHat(QPainter &painter, const Head &head, Suit suit, const Dress &dress)
{
    const double cx = head.centre.x();
    const double r = head.width / 2;
    const double base = crownLine(head) + 0.9;
    const double back = head.turn >= 0 ? -1 : 1;  // the side away from the gaze
    switch (suit) {
    case Suit::Spades: {
        // A wide flat beret worn aslant, dipping to the back, with a plume
        // laid over it from the front and drooping behind.
        painter.save();
        painter.translate(cx + back * 1.4, base - 3.0);
        painter.rotate(back * 8);
        QPainterPath beret;
        beret.addEllipse(QPointF(0, 0), r + 3.2, 2.7);
        shape(painter, beret, dress.main);
        QPainterPath crease;
        crease.moveTo(-r - 1.5, 0.9);
        crease.quadTo(0, 2.2, r + 1.5, 0.9);
        stroke(painter, crease, dress.ink, 0.4);
        painter.restore();
        plume(painter, QPointF(cx - back * 1.5, base - 3.6), QPointF(cx + back * 1.6, base - 7.0),
              QPointF(cx + back * (r + 4.4), base - 5.4), QPointF(cx + back * (r + 3.8), base + 1.0), 2.4, back, Ermine);
        QPainterPath brim;
        brim.addRoundedRect(QRectF(cx - r - 0.7, base - 1.5, head.width + 1.4, 1.8), 0.9, 0.9);
        shape(painter, brim, dress.ink, Fine);
        jewel(painter, QPointF(cx - back * 1.5, base - 3.3), 0.7, dress.trim);
        break;
    }
    case Suit::Hearts: {
        // A round cap with a scalloped turned-up brim and a short feather.
        QPainterPath crown;
        crown.moveTo(cx - r + 0.2, base - 1);
        crown.cubicTo(cx - r + 0.4, base - 6.6, cx + r - 0.4, base - 6.6, cx + r - 0.2, base - 1);
        crown.closeSubpath();
        shape(painter, crown, dress.main);
        QPainterPath feather;
        feather.moveTo(cx + back * 1.5, base - 4.6);
        feather.quadTo(cx + back * (r + 0.8), base - 7.2, cx + back * (r + 3.0), base - 5.6);
        feather.quadTo(cx + back * (r + 0.2), base - 5.0, cx + back * 2.4, base - 3.8);
        feather.closeSubpath();
        shape(painter, feather, dress.ink, Fine);
        QPainterPath brim;
        brim.moveTo(cx - r - 1.0, base + 0.4);
        const int scallops = 6;
        for (int i = 0; i < scallops; ++i) {
            const double a = cx - r - 1.0 + (head.width + 2.0) * i / scallops;
            const double b = cx - r - 1.0 + (head.width + 2.0) * (i + 1) / scallops;
            brim.quadTo((a + b) / 2, base - 3.2, b, base - 2.0 + (i == scallops - 1 ? 2.4 : 0));
        }
        brim.quadTo(cx, base + 1.2, cx - r - 1.0, base + 0.4);
        brim.closeSubpath();
        shape(painter, brim, dress.second, Fine);
        break;
    }
    case Suit::Diamonds: {
        // A hunter's hat: a round crown, the brim drawn out to a peak over
        // the brow and turned up behind, a long plume standing at the back.
        const double front = -back;
        plume(painter, QPointF(cx + back * (r - 1.0), base - 2.8), QPointF(cx + back * (r - 0.4), base - 6.8),
              QPointF(cx + back * (r + 1.4), base - 8.6), QPointF(cx + back * (r + 4.0), base - 8.8), 2.0, back, dress.main);
        QPainterPath crown;
        crown.moveTo(cx - r + 0.3, base - 1.0);
        crown.cubicTo(cx - r + 0.6, base - 6.8, cx + r - 0.6, base - 6.8, cx + r - 0.3, base - 1.0);
        crown.closeSubpath();
        shape(painter, crown, dress.second);
        QPainterPath brim;
        brim.moveTo(cx + front * (r + 3.4), base + 0.2);
        brim.quadTo(cx + front * (r - 1.0), base - 1.0, cx, base - 1.4);
        brim.quadTo(cx + back * (r - 0.5), base - 1.8, cx + back * (r + 1.6), base - 4.4);
        brim.quadTo(cx + back * (r + 0.6), base - 0.4, cx, base + 0.3);
        brim.quadTo(cx + front * (r - 1.0), base + 0.6, cx + front * (r + 3.4), base + 0.2);
        brim.closeSubpath();
        shape(painter, brim, dress.second, Fine);
        QPainterPath hatBand;
        hatBand.moveTo(cx - r + 0.5, base - 1.9);
        hatBand.quadTo(cx, base - 2.6, cx + r - 0.5, base - 1.9);
        band(painter, hatBand, Gold, 0.7, 0.35);
        break;
    }
    case Suit::Clubs: {
        // A hood with a padded roll round the face and a tail hanging
        // down behind the shoulder.
        QPainterPath tail;
        tail.moveTo(cx + back * (r - 1.0), base - 3.8);
        tail.cubicTo(cx + back * (r + 4.0), base - 4.2, cx + back * (r + 4.6), base + 4.0, cx + back * (r + 2.6), base + 10.5);
        tail.lineTo(cx + back * (r + 1.2), base + 10.2);
        tail.cubicTo(cx + back * (r + 2.8), base + 4.5, cx + back * (r + 1.8), base - 1.0, cx + back * (r - 1.2), base - 1.6);
        tail.closeSubpath();
        shape(painter, tail, dress.second);
        QPainterPath crown;
        crown.moveTo(cx - r - 0.6, base - 0.5);
        crown.cubicTo(cx - r - 0.4, base - 7.0, cx + r + 0.4, base - 7.0, cx + r + 0.6, base - 0.5);
        crown.closeSubpath();
        shape(painter, crown, dress.second);
        QPainterPath roll;
        roll.moveTo(cx - r - 1.2, base);
        roll.cubicTo(cx - r - 1.2, base - 3.4, cx + r + 1.2, base - 3.4, cx + r + 1.2, base);
        band(painter, roll, dress.main, 1.7);
        // The roll's twists.
        for (int i = -2; i <= 2; ++i) {
            QPainterPath twist;
            const double x = cx + i * 2.3;
            const double y = base - 2.55 + 0.24 * i * i;
            twist.moveTo(x - 0.5, y - 0.7);
            twist.quadTo(x + 0.2, y, x - 0.3, y + 0.8);
            stroke(painter, twist, dress.ink, 0.35);
        }
        break;
    }
    }
}

} // namespace artgen::court
