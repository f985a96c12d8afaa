#pragma once
// Reading a GIF file into an 8-bit palette picture, exactly as the file
// holds it: the pixel indexes, the colour table and the transparent index
// (whose colour gets alpha 0). Unlike Qt's own GIF reader, which hands out
// a 32-bit picture, this keeps the palette, so that a picture written back
// as an 8-bit bitmap keeps its colours.
#include <QByteArray>
#include <QImage>

namespace deck {

// The first image of the file as a Format_Indexed8 picture of the logical
// screen's size; a null image for anything that is not a readable GIF.
QImage decodeGif(const QByteArray &bytes);

} // namespace deck
