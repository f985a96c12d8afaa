#pragma once
// The rendering cache of deck/CardPixmaps.cpp, shared with the card designs
// (deck/DesignPixmaps.cpp) so that both kinds of card share one budget.
// User-interface thread only.
#include <QPixmap>
#include <QString>

namespace deck::rendering {

// The rendering kept under `key`, or false.
bool fetch(const QString &key, QPixmap *pixmap);
// Keeps a rendering, at the cost of its size.
void keep(const QString &key, const QPixmap &pixmap);
// Counts renderings made (scalableCacheStats().renders).
void countRenders(int renders);

} // namespace deck::rendering
