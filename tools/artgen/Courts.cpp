// The court figures of the jacks, queens and kings: the upper half of a
// double-headed figure inside the court frame (x 13..58, y 10..48); the
// caller turns it into the lower half. Each rank has its own pose, dress
// and attribute (CourtJacks, CourtQueens, CourtKings), each suit its own
// cloth, headwear and object held.
#include "tools/artgen/CourtFigures.h"
#include "tools/artgen/CourtParts.h"

namespace artgen {

void paintCourtHalf(QPainter &painter, int rank, Suit suit)
{
    if (rank == 11)
        court::paintJack(painter, suit);
    else if (rank == 12)
        court::paintQueen(painter, suit);
    else
        court::paintKing(painter, suit);
    // The line where the figure meets its turned copy: half of it in each half.
    QPainterPath middle;
    middle.moveTo(12, 48);
    middle.lineTo(59, 48);
    court::stroke(painter, middle, court::Line, 0.9);
}

} // namespace artgen
