#pragma once
// The draw history saved as a CSV file (cards/DrawHistoryCsv.h) that the
// user chooses with the desktop's save dialog, written whole with the one
// atomic writer (files/AtomicFile.h): a failed save leaves a file already
// there as it was and no part of the new one.
#include <QByteArray>
#include <QString>

class QWidget;

namespace batch {

// The name the save dialog suggests.
inline const QString HistoryFileName = QStringLiteral("Draw history.csv");

// Where the save dialog opens: in the output folder ("Save Results To This
// Folder", with or without its trailing separator) when that is an
// existing folder, else in the home folder, with the suggested name.
QString suggestedHistoryPath(const QString &outputFolder);

// Asks for the file (shell::platform().saver) and writes `csv` into it. A
// failure is told in a message naming the file and the system's reason.
// Returns the path written, or "" when the user cancelled or the save failed.
QString saveHistory(QWidget *owner, const QByteArray &csv, const QString &outputFolder);

// The message for a history that could not be written.
QString historyNotSavedText(const QString &path, const QString &reason);

} // namespace batch
