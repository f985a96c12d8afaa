#pragma once
// Colours that must stand out from what surrounds them: the keyboard focus
// mark that the program draws itself, and the contrast rule behind it (the
// accessibility guidelines' relative luminance; a mark or a control's
// outline needs 3 : 1 against its surroundings).
#include <QColor>
#include <initializer_list>

class QPainter;
class QPalette;
class QRect;

namespace shell {

// Relative luminance (0 black .. 1 white) and the contrast ratio of two
// colours (1 .. 21).
double relativeLuminance(const QColor &colour);
double contrastRatio(const QColor &a, const QColor &b);

// The least contrast of a mark or an outline against its surroundings.
constexpr double MarkContrast = 3.0;

// Of the candidates, the first that has at least MarkContrast against
// `background`; else the one with the most.
QColor contrastingColour(const QColor &background, std::initializer_list<QColor> candidates);

// The focus mark's colour on the palette's base (a list's inside): the
// selection colour where it stands out, else the text colour.
QColor focusMarkColour(const QPalette &palette);

// A focus mark two pixels wide along the inside of `area`.
void paintFocusMark(QPainter &painter, const QRect &area, const QPalette &palette);

} // namespace shell
