#pragma once
// File encoders of the generator. Each returns the whole file as bytes and
// throws std::runtime_error when the picture does not fit the format.
#include <QByteArray>
#include <QImage>

namespace artgen {

// GIF89a: 256-entry global colour table, background index 0, one graphic
// control extension (no disposal, no delay, transparent index 0), one
// full-size image without local colour table or interlacing. `picture` is
// an Indexed8 image with 256 colours.
QByteArray encodeGif(const QImage &picture);

// Windows bitmap with the 12-byte core header, 4 bits per pixel and a
// 16-colour palette. `picture` is Indexed8 with at most 16 colours.
QByteArray encodeBmpCore4(const QImage &picture);

// Windows bitmap with the 40-byte information header, 24 bits per pixel.
QByteArray encodeBmp24(const QImage &picture);

// Windows cursor (type 2): one 1-bit image with its AND mask and the hotspot
// in the directory entry. Pixels with alpha 0 are transparent; the others
// become black or white by their brightness.
QByteArray encodeCursor(const QImage &picture, int hotX, int hotY);

// PNG through Qt's writer, without the time or software text chunks.
QByteArray encodePng(const QImage &picture);

} // namespace artgen
