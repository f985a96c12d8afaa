#pragma once
// A card design on screen and in card files. The design the windows show
// (the active design) replaces the built-in faces, the deck's back (back 0)
// and, where the design has them, the jokers, at every size: cardPixmap()
// asks here first. Renderings go through the same cache as the built-in
// cards, kept by design, element and device size.
//
// The first showing of many faces at a new size (the full-screen view after
// a long draw) can be prepared on worker threads: warmDesignFaces() starts
// rendering the 52 faces there (deck/DesignWarmUp.h). A face asked for
// meanwhile is taken when drawn; while workers run, it goes to the head of
// their queue and is waited for; with none running, the asking thread draws
// it. No face is drawn twice. readyDesignPixmap() never waits, for a window
// that shows something else until the faces are in.
#include "deck/CardDesign.h"

#include <QFuture>
#include <QImage>
#include <QPixmap>
#include <QSize>

#include <memory>

namespace deck {

// The design the windows show; nullptr (the default) for the built-in
// set. Choosing another design stops the warm-ups of the previous one.
// User-interface thread.
void setActiveDesign(std::shared_ptr<const CardDesign> design);
std::shared_ptr<const CardDesign> activeDesign();

// The active design's rendering of a built-in picture in a box of
// `logical` pixels, as cardPixmap() gives it; a null pixmap when no design
// is active or the design does not replace that picture.
QPixmap activeDesignPixmap(const QImage &picture, const QSize &logical, qreal devicePixelRatio);

// What cardPixmap() gives, except that a face of the active design that a
// warm-up's worker is still drawing at that size is not waited for: a null
// pixmap then, for a window that leaves the card's place empty and paints
// again as the faces land (the warm-up's progress). User-interface thread.
QPixmap readyCardPixmap(const QImage &picture, const QSize &logical, qreal devicePixelRatio);

// A design's element in a box of `logical` pixels: rendered at the device
// size (through the cache, taking a warm-up's work), with the device pixel
// ratio set. A null pixmap for an element the design lacks. User-interface
// thread.
QPixmap designPixmap(const CardDesign &design, const QString &element, const QSize &logical,
                     qreal devicePixelRatio);
// The same without rendering or waiting: what the cache or a warm-up holds
// already, else a null pixmap.
QPixmap readyDesignPixmap(const CardDesign &design, const QString &element, const QSize &logical,
                          qreal devicePixelRatio);

// A built-in picture as the design shows it, at exactly `devicePixels`,
// without the cache: safe on any thread (card files made on workers). A
// null image when the design does not replace that picture.
QImage renderInDesign(const CardDesign &design, const QImage &picture, const QSize &devicePixels);

// Starts rendering the design's 52 faces at `devicePixels` on the global
// thread pool, those not in the cache already; the future finishes when all
// are drawn (its progress counts faces). Asking again for a warm-up that is
// under way returns it. The faces land in the cache as they are asked for.
// User-interface thread.
QFuture<void> warmDesignFaces(const std::shared_ptr<const CardDesign> &design, const QSize &devicePixels);

} // namespace deck
