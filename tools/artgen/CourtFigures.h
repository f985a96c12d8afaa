#pragma once
// The twelve court figures, each the upper half of a double-headed card
// inside the court frame (x 13..58, y 10..48 in card units).
#include "tools/artgen/Glyphs.h"

#include <QPainter>

namespace artgen::court {

void paintJack(QPainter &painter, Suit suit);
void paintQueen(QPainter &painter, Suit suit);
void paintKing(QPainter &painter, Suit suit);

} // namespace artgen::court
