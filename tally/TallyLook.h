#pragma once
// How the tally looks: in its own window with the desktop's colours and
// font, or as a panel over the black full-screen view, white on black, its
// text large enough to read from the back of a room.
#include <QColor>
#include <array>

class QPalette;
class QWidget;

namespace tally {

struct TallyLook {
    bool dark = false;
    // The text's pixel size; 0 keeps the window's own font.
    int textHeight = 0;
    // Sections as low as the width allows, squeezed to their minimum widths
    // (the overlay over the lower part of a view); otherwise at their
    // preferred widths, where the width allows.
    bool keepLow = false;
};

// The overlay of a full-screen view `screenHeight` pixels high: white on
// black, text at least a fortieth of the screen's height.
TallyLook overlayLook(int screenHeight);
int overlayTextHeight(int screenHeight);

// The colours the charts paint with.
struct ChartColours {
    QColor text;
    QColor faint;      // axes and grid lines
    QColor track;      // the empty part of a bar
    QColor bar;
    QColor expected;   // the mark of the expected count
    QColor marked;     // a drawn card's cell
    QColor latest;     // the outline of the last card drawn
    std::array<QColor, 4> suits;  // spades, diamonds, clubs, hearts
};
ChartColours chartColours(const TallyLook &look, const QPalette &palette);

// Gives `widget` (and so its children) the look's font size and colours.
void applyLook(QWidget *widget, const TallyLook &look);

} // namespace tally
