#include "tools/artgen/Glyphs.h"

#include <QPainter>

namespace artgen {

const QColor &cardRed()
{
    static const QColor red(212, 16, 32);
    return red;
}

const QColor &cardBlack()
{
    static const QColor black(16, 16, 16);
    return black;
}

QColor suitColour(Suit suit) { return isRed(suit) ? cardRed() : cardBlack(); }

QPainterPath suitPath(Suit suit)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    switch (suit) {
    case Suit::Hearts:
        path.moveTo(50, 97);
        path.cubicTo(22, 72, 0, 54, 0, 29);
        path.cubicTo(0, 11, 13, 1, 26, 1);
        path.cubicTo(38, 1, 46, 9, 50, 20);
        path.cubicTo(54, 9, 62, 1, 74, 1);
        path.cubicTo(87, 1, 100, 11, 100, 29);
        path.cubicTo(100, 54, 78, 72, 50, 97);
        path.closeSubpath();
        break;
    case Suit::Diamonds:
        path.moveTo(50, 0);
        path.quadTo(68, 27, 90, 50);
        path.quadTo(68, 73, 50, 100);
        path.quadTo(32, 73, 10, 50);
        path.quadTo(32, 27, 50, 0);
        path.closeSubpath();
        break;
    case Suit::Spades:
        path.moveTo(50, 0);
        path.cubicTo(78, 26, 100, 40, 100, 60);
        path.cubicTo(100, 76, 89, 84, 76, 84);
        path.cubicTo(66, 84, 58, 79, 54, 72);
        path.cubicTo(55, 84, 61, 93, 70, 100);
        path.lineTo(30, 100);
        path.cubicTo(39, 93, 45, 84, 46, 72);
        path.cubicTo(42, 79, 34, 84, 24, 84);
        path.cubicTo(11, 84, 0, 76, 0, 60);
        path.cubicTo(0, 40, 22, 26, 50, 0);
        path.closeSubpath();
        break;
    case Suit::Clubs:
        // Three lobes, a block joining them and the stem, overlapping parts
        // of one shape. Under the winding rule a part that ran the other
        // way round would cancel the others where they overlap and leave a
        // hole, so every part runs clockwise, as addEllipse and addRect do.
        path.addEllipse(QPointF(50, 25), 23, 23);
        path.addEllipse(QPointF(24, 58), 23, 23);
        path.addEllipse(QPointF(76, 58), 23, 23);
        path.addRect(40, 34, 20, 28);
        path.moveTo(54, 60);
        path.cubicTo(55, 80, 60, 92, 70, 100);
        path.lineTo(30, 100);
        path.cubicTo(40, 92, 45, 80, 46, 60);
        path.closeSubpath();
        break;
    }
    QTransform unit;
    unit.scale(0.01, 0.01);
    return unit.map(path);
}

void paintSuit(QPainter &painter, Suit suit, double cx, double cy, double height, const QColor &colour, bool turned)
{
    const double width = suit == Suit::Diamonds ? height * 0.8 : height * 0.9;
    painter.save();
    painter.translate(cx, cy);
    if (turned)
        painter.rotate(180);
    painter.translate(-width / 2, -height / 2);
    painter.scale(width, height);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(suitPath(suit));
    painter.restore();
}

QString rankText(int rank)
{
    switch (rank) {
    case 1:
        return QStringLiteral("A");
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("Q");
    case 13:
        return QStringLiteral("K");
    default:
        return QString::number(rank);
    }
}

} // namespace artgen
