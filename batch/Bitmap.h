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

// The file's bytes from Qt's own bitmap writer, checked field by field; when
// that writer gives anything else, the bytes are laid out here instead.
QByteArray bitmapBytes(const QImage &picture);

// The file's bytes laid out directly (the fallback of bitmapBytes).
QByteArray encodeBitmap(const QImage &picture);

// True when the bytes are an uncompressed bitmap of exactly this image's
// size and depth with the layout above.
bool isPlainBitmapOf(const QByteArray &bytes, const QImage &image);

} // namespace batch
