#pragma once
// Captions that always fit. The windows were laid out for English captions
// in a 10-point font; another language's captions may be longer (German
// needs a quarter more room for the draw window's second mode). A window
// therefore grows, with the same scale it takes for a large desktop font,
// until its longest caption fits its box.
#include <QString>

class QWidget;

namespace shell {

// The width in pixels a control needs for its caption in its own font: the
// text and the parts the style draws beside it (a radio button's circle, a
// push button's margins, a frame's indent); 0 for a control without a
// caption. The caption of a push button, option button, frame or label.
QString captionOf(const QWidget *control);
int captionWidthNeeded(const QWidget *control);

// The scale at which every caption of the window fits its control's width
// and height (1 when they fit as designed), for controls placed in twips.
double captionScale(const QWidget *window);

// Grows the window to captionScale() when its captions do not fit at the
// scale it has (English at 10 points keeps its designed size).
void fitCaptions(QWidget *window);

} // namespace shell
