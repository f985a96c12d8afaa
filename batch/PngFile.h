#pragma once
// A picture as a PNG file, written with libpng directly: Qt's writer tries
// every row filter with heavy compression, which makes a 1050-pixel card
// take 30 ms; one fixed filter ("up", which suits the cards' large flat
// areas) with fast compression takes a quarter of that for files of about
// the same size.
#include <QByteArray>
#include <QImage>

namespace batch {

// RGBA with 8 bits per channel (alpha unpremultiplied), or RGB for an
// opaque picture. Throws shell::Failure when libpng refuses the picture.
QByteArray encodePng(const QImage &picture);

} // namespace batch
