#pragma once
// The hand pointer's scalable form, for screens with more device pixels
// than logical ones: the art generator's hand (":/deck/pointer/HAND-M.svg",
// the cursor file's 32 x 32 box with the same hotspot) drawn through the SVG
// module at a device size.
#include <QImage>

namespace deck {

// The hand drawn into a square of `side` device pixels (transparent around
// it), or a null image when the SVG module cannot be loaded.
QImage scalableHandPicture(int side);

} // namespace deck
