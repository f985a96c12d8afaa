#pragma once
// The bytes of a card picture as an uncompressed Windows bitmap file: the
// 14-byte file header, the 40-byte information header, for palette pictures
// the 256-entry colour table (blue, green, red, 0), then the rows from the
// bottom one up, each padded with zero bytes to a multiple of 4. 8-bit palette
// pictures keep their indexes and palette (a transparent entry is written as
// its own colour); every other picture is written with 24 bits per pixel.
#include <QByteArray>
#include <QImage>

namespace batch {

// The picture as it is written: 8-bit with exactly 256 palette entries, or
// 32-bit RGB without alpha. Throws shell::Failure for an empty picture.
QImage bitmapImage(const QImage &picture);

// The file's bytes, from Qt's bitmap writer given the picture as
// bitmapImage() prepares it. Throws shell::Failure for an empty picture.
QByteArray bitmapBytes(const QImage &picture);

} // namespace batch
