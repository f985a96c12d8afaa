#pragma once
// Writing card pictures to disk, shared by the draw window and the batch
// generator: the output folder box, its browse button, the folder check,
// the file path and the bitmap file itself.
#include "shell/ErrorReport.h"
#include <QImage>
#include <QString>
#include <cstdint>

class QLineEdit;
class QWidget;

namespace batch {

// The export's messages, in the user's language.
QString folderMissingMessage();    // "Folder does not exist. Please select another folder."
QString noCardSelectedMessage();   // "No card selected."
QString doneMessage();             // "Done."

// The output folder text, a separator unless it already ends with one, the
// base name and the extension (".bmp").
QString cardFilePath(const QString &folderText, const QString &baseName,
                     const QString &extension = QStringLiteral(".bmp"));

// True when the text names an existing folder; empty text and any failure
// while testing count as false.
bool isExistingFolder(const QString &folderText);
// The same for a folder named by the file system's bytes (the command line's
// --out, which may be in any encoding).
bool isExistingFolder(const QByteArray &folder);
QByteArray cardFilePath(const QByteArray &folder, const QString &baseName, const QString &extension);

// Writes the picture as an uncompressed Windows bitmap (71 x 96, 40-byte
// information header, 8 bits with the picture's palette), whole and on disk
// (FileBatch.h): the old file, or a symbolic link of that name, is replaced
// only once the new one is complete. Throws shell::Failure naming the path
// and the file system's reason when the file cannot be written.
void saveCardPicture(const QImage &picture, const QString &path);

// Text2_Change of both windows: stores the folder text under "Text2". A
// change made by the window's load stores it only when no value is stored.
void storeOutputFolder(const QString &text, bool filledByLoad = false);

// Where the folder picker opens: the last folder browsed while it exists,
// else the folder that the box names (the picker opens at its default when
// that does not exist either).
QString browseStartFolder(const QString &lastFolder, const QString &folderText);

// PushButton9_Click of both windows ("..."): guarded with the given location.
void browseOutputFolder(QWidget *owner, QLineEdit *text2, shell::Location location);

// PushButton3_Click of the draw window ("Save Card As Image"): writes the
// renderer's picture as "Card " + drawCount + ".bmp" into the folder of
// `folderText`, guarded as the draw window's "Save Card As Image".
void saveDrawnCard(const QImage &picture, std::int32_t drawCount, const QString &folderText);

} // namespace batch
