#pragma once
// The designs of the 68 card-sized pictures, each painting the whole
// picture on a surface (raster or scalable).
#include "tools/artgen/Surface.h"

namespace artgen {

void paintFace(CardSurface &card, int number);  // 0..51
void paintJoker(CardSurface &card, bool red);
void paintGreenRing(CardSurface &card);
void paintRedCross(CardSurface &card);
void paintBack(CardSurface &card, int number);  // 0..11

} // namespace artgen
