// The patterned backs (woven, dotted, basket weave) and the back dispatcher.
#include "tools/artgen/ArtGen.h"
#include "tools/artgen/Backs.h"
#include "tools/artgen/Canvas.h"
#include "tools/artgen/Designs.h"

namespace artgen {
namespace {

const QColor BackEdge(40, 40, 40);

} // namespace

QRectF backField() { return QRectF(0, 0, CardWidth, CardHeight); }

void paintWovenBack(QPainter &painter)
{
    const QColor red(196, 28, 36);
    const QColor darkRed(120, 10, 20);
    const QColor blue(30, 60, 160);
    const QColor darkBlue(14, 28, 90);
    painter.fillRect(backField(), Qt::white);
    const QRectF inner(4, 4, CardWidth - 8, CardHeight - 8);
    painter.save();
    painter.setClipRect(inner);
    painter.fillRect(inner, darkBlue);
    // Strands on the diagonals: in each cell either the red strand (one
    // diagonal) or the blue strand (the other) lies on top.
    painter.translate(CardWidth / 2.0, CardHeight / 2.0);
    painter.rotate(45);
    const double cell = 5.0;
    const double strand = 3.6;
    for (int i = -16; i <= 16; ++i) {
        for (int j = -16; j <= 16; ++j) {
            const QPointF corner(i * cell, j * cell);
            const QRectF across(corner.x(), corner.y() + (cell - strand) / 2, cell, strand);
            const QRectF down(corner.x() + (cell - strand) / 2, corner.y(), strand, cell);
            const bool redOnTop = (i + j) % 2 == 0;
            const QRectF under = redOnTop ? down : across;
            const QRectF over = redOnTop ? across : down;
            painter.fillRect(under, redOnTop ? mix(blue, darkBlue, 0.45) : mix(red, darkRed, 0.45));
            painter.fillRect(over, redOnTop ? red : blue);
        }
    }
    painter.restore();
    painter.setPen(QPen(darkRed, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner.adjusted(0.5, 0.5, -0.5, -0.5));
}

void paintDottedBack(CardSurface &card)
{
    // A transparent card: a black rounded border and a grid of round dots,
    // every dot on the same whole-pixel grid so that all of them get the
    // same pixels at the natural size.
    QPainter painter;
    beginPainter(painter, card.device());
    const QColor black(0, 0, 0);
    // The border covers whole pixels (three), so that its inner edge is
    // not left to the rounding of a half-covered pixel.
    painter.setPen(QPen(black, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(1.5, 1.5, CardWidth - 3, CardHeight - 3), 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(black);
    for (int row = 0; row < DottedRows; ++row) {
        for (int column = 0; column < DottedColumns; ++column)
            painter.drawEllipse(QPointF(DottedLeft + column * DottedPitch, DottedTop + row * DottedPitch), 2, 2);
    }
    painter.end();
    // The outline is the card's own, the corners cut like every card.
    card.frame(black);
}

void paintBasketBack(QPainter &painter)
{
    const QColor strips[3] = {QColor(40, 80, 190), QColor(245, 200, 40), QColor(40, 150, 70)};
    const QColor seam(20, 30, 40);
    const double cell = 9;
    const double ox = (CardWidth - 8 * cell) / 2;
    const double oy = (CardHeight - 11 * cell) / 2;
    painter.fillRect(backField(), seam);
    for (int i = -1; i <= 8; ++i) {
        for (int j = -1; j <= 11; ++j) {
            const QRectF box(ox + i * cell, oy + j * cell, cell, cell);
            const bool across = (i + j) % 2 == 0;
            for (int k = 0; k < 3; ++k) {
                QRectF strip = across ? QRectF(box.x(), box.y() + k * 3, cell, 3) : QRectF(box.x() + k * 3, box.y(), 3, cell);
                painter.fillRect(strip.adjusted(0.3, 0.3, -0.3, -0.3), strips[(k + (across ? 0 : 1)) % 3]);
            }
            painter.setPen(QPen(mix(seam, Qt::black, 0.5), 0.6));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box);
        }
    }
}

void paintBack(CardSurface &card, int number)
{
    if (number == 1) {
        paintDottedBack(card);
        return;
    }
    card.fillCard(Qt::white);
    {
        QPainter painter;
        beginPainter(painter, card.device());
        painter.setClipPath(card.field());
        switch (number) {
        case 0: paintWovenBack(painter); break;
        case 2: paintRosesBack(painter); break;
        case 3: paintBasketBack(painter); break;
        case 4: paintIvyBack(painter); break;
        case 5: paintFourFishBack(painter); break;
        case 6: paintRobotBack(painter); break;
        case 7: paintFishAndWeedBack(painter); break;
        case 8: paintArmBack(painter); break;
        case 9: paintShellBack(painter); break;
        case 10: paintPalmBack(painter); break;
        default: paintCastleBack(painter); break;
        }
    }
    card.frame(BackEdge);
}

} // namespace artgen
