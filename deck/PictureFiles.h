#pragma once
// The resource files behind the picture set and the decoding of one of
// them; PictureSet holds the results, the benchmark measures them.
#include <QImage>
#include <QString>
#include <QStringList>

namespace deck {

// The 76 files below ":/deck/", in the control's order: Image1, the 52
// faces, Joker1, Joker2, gO, rX, the 12 backs, the 7 animation frames.
QStringList pictureFiles();

// Decodes ":/deck/<file>" (GIF into an 8-bit palette picture, bitmaps
// through Qt) and names it with `description`. Throws shell::Failure when
// the file is missing or unreadable.
QImage loadPicture(const QString &file, const QString &description);

} // namespace deck
