#include "batch/HistoryFile.h"

#include "files/AtomicFile.h"
#include "shell/Messages.h"
#include "shell/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace batch {

QString suggestedHistoryPath(const QString &outputFolder)
{
    const QFileInfo folder(outputFolder);
    const QString base = !outputFolder.isEmpty() && folder.isDir() ? folder.absoluteFilePath() : QDir::homePath();
    return QDir(base).filePath(HistoryFileName);
}

QString historyNotSavedText(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("batch::HistoryFile",
                                       "The draw history could not be saved as \"%1\": %2.\n"
                                       "A file already there is left as it was.")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString saveHistory(QWidget *owner, const QByteArray &csv, const QString &outputFolder)
{
    const QString path = shell::platform().saver->saveFileName(
        owner, QCoreApplication::translate("batch::HistoryFile", "Save History"), suggestedHistoryPath(outputFolder),
        QCoreApplication::translate("batch::HistoryFile", "CSV files (*.csv)"));
    if (path.isEmpty())
        return QString();
    try {
        files::writeWhole(QFile::encodeName(path), csv);
    } catch (const files::Error &error) {
        shell::showMessage(historyNotSavedText(path, error.reason()));
        return QString();
    }
    return path;
}

} // namespace batch
