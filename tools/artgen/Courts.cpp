// The court figures of the jacks, queens and kings: the upper half of a
// double-headed figure inside the court frame (x 13..57, y 10..47); the
// caller turns it into the lower half.
#include "tools/artgen/Canvas.h"
#include "tools/artgen/Glyphs.h"

namespace artgen {
namespace {

const QColor Line(20, 20, 20);
const QColor Skin(252, 218, 180);
const QColor Gold(240, 190, 30);
const QColor CourtRed(200, 30, 40);
const QColor CourtBlue(40, 70, 170);

struct Palette {
    QColor robe;
    QColor trim;
    QColor hair;
};

Palette paletteFor(int rank, Suit suit)
{
    // Each suit dresses its court in its own colours.
    static const QColor robes[4] = {CourtBlue, QColor(130, 40, 150), QColor(30, 120, 60), CourtRed};
    static const QColor trims[4] = {CourtRed, CourtBlue, CourtRed, CourtBlue};
    const QColor hair = rank == 13 ? QColor(235, 235, 230) : rank == 12 ? Gold : QColor(150, 90, 40);
    return {robes[int(suit)], trims[int(suit)], hair};
}

void paintRobe(QPainter &painter, const Palette &colours)
{
    QPainterPath robe;
    robe.moveTo(14, 48);
    robe.lineTo(16, 38);
    robe.quadTo(18, 32, 27, 31);
    robe.lineTo(44, 31);
    robe.quadTo(53, 32, 55, 38);
    robe.lineTo(57, 48);
    robe.closeSubpath();
    outlinePath(painter, robe, colours.robe, Line, 1);
    painter.save();
    painter.setClipPath(robe);
    // A sash across the chest and a gold front panel with buttons.
    QPainterPath sash;
    sash.moveTo(20, 31);
    sash.lineTo(26, 31);
    sash.lineTo(54, 48);
    sash.lineTo(46, 48);
    sash.closeSubpath();
    outlinePath(painter, sash, colours.trim, Line, 0.7);
    QPainterPath panel;
    panel.moveTo(32, 31);
    panel.lineTo(39, 31);
    panel.lineTo(41, 48);
    panel.lineTo(30, 48);
    panel.closeSubpath();
    outlinePath(painter, panel, Gold, Line, 0.7);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.trim);
    for (double y : {37.0, 41.5, 46.0})
        painter.drawEllipse(QPointF(35.5, y), 1.1, 1.1);
    // Ermine-white cuffs of the sleeves at the sides.
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Line, 0.6));
    painter.drawRect(QRectF(14, 42, 6, 3));
    painter.drawRect(QRectF(51, 42, 6, 3));
    painter.restore();
    // Collar.
    QPainterPath collar;
    collar.moveTo(27, 31);
    collar.quadTo(35.5, 37, 44, 31);
    collar.lineTo(41.5, 29.5);
    collar.quadTo(35.5, 33, 29.5, 29.5);
    collar.closeSubpath();
    outlinePath(painter, collar, Qt::white, Line, 0.7);
}

void paintHead(QPainter &painter, int rank, const Palette &colours)
{
    // Hair behind the face: the queen's falls to her shoulders.
    QPainterPath hair;
    if (rank == 12)
        hair.addRoundedRect(QRectF(27.5, 14.5, 16, 18), 6, 6);
    else
        hair.addEllipse(QRectF(28, 14.5, 15, 13));
    outlinePath(painter, hair, colours.hair, Line, 0.8);
    QPainterPath face;
    face.addEllipse(QRectF(29.5, 16, 12, 14));
    outlinePath(painter, face, Skin, Line, 0.8);
    // Eyes with brows, nose and mouth.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Line);
    painter.drawRect(QRectF(32.3, 21.2, 1.5, 1.5));
    painter.drawRect(QRectF(37.2, 21.2, 1.5, 1.5));
    painter.setPen(QPen(QColor(120, 70, 40), 0.7));
    painter.drawLine(QPointF(31.8, 19.8), QPointF(34.2, 19.6));
    painter.drawLine(QPointF(36.8, 19.6), QPointF(39.2, 19.8));
    painter.drawLine(QPointF(35.5, 22.5), QPointF(35.0, 25.0));
    painter.setPen(QPen(QColor(200, 40, 50), 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(34.2, 27), QPointF(36.8, 27));
    if (rank == 13) {
        // The king's beard and moustache.
        QPainterPath beard;
        beard.moveTo(29.5, 23.5);
        beard.quadTo(30, 33, 35.5, 34);
        beard.quadTo(41, 33, 41.5, 23.5);
        beard.quadTo(38, 28.5, 35.5, 26);
        beard.quadTo(33, 28.5, 29.5, 23.5);
        outlinePath(painter, beard, colours.hair, Line, 0.7);
    }
}

void paintHeadwear(QPainter &painter, int rank, const Palette &colours)
{
    if (rank == 11) {
        // The jack's cap with a feather.
        QPainterPath cap;
        cap.moveTo(27, 19);
        cap.quadTo(29, 10.5, 36, 11);
        cap.quadTo(44, 11.5, 44.5, 19);
        cap.closeSubpath();
        outlinePath(painter, cap, colours.robe, Line, 0.8);
        painter.setPen(QPen(Gold, 1.8));
        painter.drawLine(QPointF(27.8, 18.2), QPointF(43.8, 18.2));
        QPainterPath feather;
        feather.moveTo(42, 14);
        feather.quadTo(49, 8, 54, 10.5);
        feather.quadTo(48, 12.5, 43, 16);
        outlinePath(painter, feather, Qt::white, Line, 0.6);
        return;
    }
    const double top = rank == 13 ? 10 : 11.5;
    QPainterPath crown;
    crown.moveTo(29.5, 18.5);
    crown.lineTo(29, top);
    crown.lineTo(32.2, top + 3.5);
    crown.lineTo(35.5, top - 0.5);
    crown.lineTo(38.8, top + 3.5);
    crown.lineTo(42, top);
    crown.lineTo(41.5, 18.5);
    crown.closeSubpath();
    outlinePath(painter, crown, Gold, Line, 0.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.trim);
    painter.drawEllipse(QPointF(35.5, 16.5), 1.3, 1.3);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(31.5, 16.8), 0.8, 0.8);
    painter.drawEllipse(QPointF(39.5, 16.8), 0.8, 0.8);
}

// What each figure holds in its raised hand, and the suit sign.
void paintAttribute(QPainter &painter, int rank, Suit suit, const Palette &colours)
{
    const QPointF hand(19.5, 38);
    switch (rank) {
    case 13: {
        // An upright sword.
        painter.setPen(QPen(Line, 0.8));
        painter.setBrush(QColor(215, 220, 230));
        QPainterPath blade;
        blade.moveTo(18.3, 35);
        blade.lineTo(18.3, 14);
        blade.lineTo(19.5, 11.5);
        blade.lineTo(20.7, 14);
        blade.lineTo(20.7, 35);
        blade.closeSubpath();
        painter.drawPath(blade);
        painter.setBrush(Gold);
        painter.drawRect(QRectF(15.5, 34, 8, 2));
        break;
    }
    case 12: {
        // A flower on a stem.
        painter.setPen(QPen(QColor(40, 130, 50), 1.2));
        painter.drawLine(QPointF(19.5, 20), hand);
        outlinePath(painter, starPath(19.5, 18, 4.8, 2.3, 5), colours.trim, Line, 0.6);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Gold);
        painter.drawEllipse(QPointF(19.5, 18), 1.4, 1.4);
        break;
    }
    default: {
        // A halberd.
        painter.setPen(QPen(QColor(120, 70, 30), 1.4));
        painter.drawLine(QPointF(19.5, 12), QPointF(19.5, 47));
        QPainterPath blade;
        blade.moveTo(19.5, 11);
        blade.quadTo(13.5, 13, 14.5, 20);
        blade.lineTo(19.5, 17.5);
        blade.closeSubpath();
        outlinePath(painter, blade, QColor(215, 220, 230), Line, 0.7);
        break;
    }
    }
    painter.setPen(QPen(Line, 0.7));
    painter.setBrush(Skin);
    painter.drawEllipse(hand, 2.3, 2.1);
    // The suit sign beside the head.
    paintSuit(painter, suit, 51.5, 16, 8, suitColour(suit));
}

} // namespace

void paintCourtHalf(QPainter &painter, int rank, Suit suit)
{
    const Palette colours = paletteFor(rank, suit);
    paintRobe(painter, colours);
    paintHead(painter, rank, colours);
    paintHeadwear(painter, rank, colours);
    paintAttribute(painter, rank, suit, colours);
}

} // namespace artgen
