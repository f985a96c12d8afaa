#pragma once
// Decodes a PNG file held in memory with libpng, without Qt's image reader:
// that reader, even when told the format, loads and asks every image-format
// plugin installed on the system whether it wants the file, which costs
// more than the whole rest of the chooser's start-up work. The window
// icon is decoded here for that reason.
#include <QByteArrayView>
#include <QImage>

namespace shell {

// The picture as 8-bit RGBA (straight alpha), or a null image when `png`
// is not a PNG file that libpng can read.
QImage decodePng(QByteArrayView png);

} // namespace shell
