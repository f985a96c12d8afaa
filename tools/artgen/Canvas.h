#pragma once
// The drawing surface shared by every picture: a card-sized canvas, the
// card outline with its rounded corners cut off, and the final clean-up to
// pixels that are either fully transparent or fully opaque.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace artgen {

// A transparent canvas (premultiplied ARGB).
QImage newCanvas(int width, int height);

// Redraws the card outline over whatever was painted and cuts the corners.
void frameCard(QImage &card, const QColor &edge);
// True for the 12 corner pixels that every card leaves transparent.
bool isCutCorner(int x, int y);

// An antialiased painter on the image or on another device.
void beginPainter(QPainter &painter, QPaintDevice *device);
inline void beginPainter(QPainter &painter, QImage &image) { beginPainter(painter, &image); }

// Pixels below half coverage become transparent, the others opaque with
// their own colour (un-premultiplied): GIF transparency is on or off.
QImage finish(const QImage &canvas);

// Small drawing helpers.
QPainterPath starPath(double cx, double cy, double outer, double inner, int points, double turnDegrees = -90);
QColor mix(const QColor &a, const QColor &b, double t);
void outlinePath(QPainter &painter, const QPainterPath &path, const QColor &fill, const QColor &line,
                 double lineWidth = 1.0);

} // namespace artgen
