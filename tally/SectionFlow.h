#pragma once
// How the tally's sections share the space: they keep their order and are
// split into side-by-side columns, the split whose tallest column is the
// lowest among those that fit the width; among equally low splits the one
// with fewer columns. A split fits when its columns' preferred widths do;
// with `squeeze` (the overlay, which must stay low) or when no split fits
// so, when their minimum widths do. Columns share out any width to spare;
// when the width is short, each column gives up its spare width down to
// its minimum in proportion.
#include <QSize>
#include <vector>

namespace tally {

struct SectionSize {
    QSize preferred;
    QSize minimum;
};

struct SectionFlow {
    std::vector<int> columnOf;     // per section
    std::vector<int> columnLeft;   // per column
    std::vector<int> columnWidth;  // per column
    QSize size;                    // of the whole arrangement
};

// `columnSpacing` between columns, `rowSpacing` between sections in a column.
SectionFlow arrangeSections(const std::vector<SectionSize> &sections, int availableWidth, int columnSpacing,
                            int rowSpacing, bool squeeze);

} // namespace tally
