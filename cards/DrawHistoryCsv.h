#pragma once
// A card-by-card draw as CSV for spreadsheets and scripts: UTF-8, one
// header line "draw,card,rank,suit,colour,mode" and one line per draw,
// every name in English whatever the user's language, lines ending in LF.
//
//   draw,card,rank,suit,colour,mode
//   1,Queen of Hearts,Queen,Hearts,Red,put back
#include "cards/CardNames.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace cards {

// The draws of a history as the engine keeps it ([99, card, ...]): the
// draw number is the position; positions that hold no card (the sentinel)
// are left out.
QByteArray drawHistoryCsv(const std::vector<std::int16_t> &drawnCards, DrawMode mode);

} // namespace cards
