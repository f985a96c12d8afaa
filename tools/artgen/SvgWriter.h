#pragma once
// Writes recorded shapes as an SVG document that Qt SVG 6.4 shows as it is:
// only filled <path> elements (solid colours or linear and radial gradients
// in user space, fill rule, opacity), no clip paths, masks, patterns, text
// or transforms on elements. Coordinates carry at most two decimals.
// Curves are written as short straight segments (Qt's antialiased filling
// of polygons is several times faster than of curves, and at a card's
// largest sizes the segments stay within a fifth of a pixel of the curve),
// and every shape keeps a path of its own: Qt fills one path holding many
// far-apart parts much more slowly than the parts one by one.
#include "tools/artgen/VectorRecorder.h"

#include <QByteArray>

namespace artgen {

// The document for a picture of `width` x `height` units: viewBox
// "0 0 width height" and the same width and height.
QByteArray svgDocument(const QList<VectorShape> &shapes, int width, int height);
// The document of everything painted on `recorder`, at its size; throws
// std::runtime_error when something was painted that has no vector form.
QByteArray svgDocument(const VectorRecorder &recorder);

// A path's outline as SVG path data: each subpath as "M x y" and relative
// lines ("l dx dy ..."), without the closing line back to its start (a fill
// closes every subpath).
QByteArray svgPathData(const QPainterPath &path);

} // namespace artgen
