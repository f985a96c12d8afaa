#pragma once
// Whether a compiled translation (.qm) can be handed to QTranslator.
//
// QTranslator checks a file's blocks as it loads it, but looks up texts by
// the offsets and lengths the file holds without checking them again: a
// damaged file (one flipped byte in its tables) can make a lookup read far
// outside the file. The program's and Qt's translations are therefore
// checked whole before they are used: every block inside the file, the
// context table, every entry of the hash table and every message it leads
// to within their blocks, and no dependency on further files.
#include <QByteArray>

namespace shell {

bool isIntactTranslation(const QByteArray &bytes);

} // namespace shell
