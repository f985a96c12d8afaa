#pragma once
// Card pictures on screen at any size. A card-sized picture of the set
// (faces, jokers, markers, backs) carries the name of its scalable source,
// drawn by the same art generator as the 71 x 96 picture; wherever a card is
// shown at another size in device pixels (the full-screen view, a screen
// with a scale factor), it is rendered from that source at exactly that
// size, so that edges and corner indices stay sharp. At its natural size on
// a 1x screen the picture is shown pixel for pixel as it is.
//
// Renderings are kept in a cache of their own, keyed by source and size, so
// that later draws and repaints never render again. Nothing is rendered, and
// no source is read, until a picture is first shown at another size.
#include "deck/PictureSet.h"

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace deck {

// The size in device pixels of a box of `logical` pixels on a screen with
// this device pixel ratio: each side rounded to a whole pixel, halves to even.
QSize devicePixelSize(const QSize &logical, qreal devicePixelRatio);

// The picture as shown in a box of `logical` pixels on a screen with this
// device pixel ratio: a pixmap of the device size with its device pixel
// ratio set. Pictures without a scalable source are scaled smoothly.
QPixmap cardPixmap(const QImage &picture, const QSize &logical, qreal devicePixelRatio);

// The picture shown smaller than its natural size (a grid of the whole
// deck): as cardPixmap() gives it where the chosen card design replaces
// it, else the picture reduced smoothly, without reading its scalable
// source; larger than natural, as cardPixmap() gives it.
QPixmap smallCardPixmap(const QImage &picture, const QSize &logical, qreal devicePixelRatio);

// Renders a scalable source at a size in device pixels, without the cache
// (the export of large card files and the tests use it). A null image when
// the source does not exist.
QImage renderScalable(const QString &source, const QSize &devicePixels);
// The same with a source read anew, sharing nothing: safe on any thread.
QImage renderScalableAlone(const QString &source, const QSize &devicePixels);

// For measurements: with `on` false, cards at other sizes are the 71 x 96
// pictures scaled smoothly, as before the scalable sources existed.
void setScalableRendering(bool on);

// The rendering cache, for measurements and tests.
struct ScalableCacheStats {
    qint64 bytes = 0;    // held by the cached renderings
    int pictures = 0;    // renderings held
    int renders = 0;     // renderings made since the start (or the last clear)
};
ScalableCacheStats scalableCacheStats();
void clearScalableCache();

} // namespace deck
