#pragma once
// Controls that stay legible under any palette. The style's own option
// button is drawn from the window's colour made a little darker, which
// vanishes on a dark window (a dark disc with a faint dot); the option
// buttons here are drawn with an outline that stands out from the window
// by at least 3 : 1 and a dot in the palette's text colour. In a dark
// palette the white strips of the count labels take the palette's own
// field colours instead, and a progress bar is a groove with a filled part
// in any palette (on a light one the style draws it as a white rounded box
// with its text in the middle, the very look of its push buttons).
#include <QColor>

class QPalette;
class QWidget;

namespace shell {

// True when the palette is light text on a dark window.
bool isDarkPalette(const QPalette &palette);

// A colour between the background and `ink` (the background's text colour),
// as near the background as the contrast of 3 : 1 allows, or `ink` itself.
QColor outlineColour(const QColor &background, const QColor &ink);

// Draws the widget's option-button mark legibly (see above).
void useLegibleIndicators(QWidget *optionButton);

// The colours of a label's forced white strip: white with black text, or
// in a dark palette the palette's field colour (Base) with its text, as
// far apart as black and white where that pair is not 7 : 1.
struct StripColours {
    QColor background;
    QColor text;
};
StripColours stripColours(const QPalette &palette);

// A progress bar's colours from the window's palette: the groove a track
// cut into the window (darker than it, where a push button stands out
// lighter), the filled part at least 3 : 1 against the groove, and texts
// that read on both.
QPalette progressBarPalette(const QPalette &palette);

} // namespace shell
