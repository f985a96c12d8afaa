#include "CardExport.h"

#include "Bitmap.h"
#include "shell/Messages.h"
#include "shell/Platform.h"
#include "shell/Settings.h"
#include "shell/ShellHelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace batch {
namespace {

bool endsWithSeparator(const QString &text)
{
    return text.endsWith(QDir::separator()) || text.endsWith(QLatin1Char('/'));
}

// What the file system said. The save file's own text where it has one; a
// failed write or sync leaves only the system's error number.
[[noreturn]] void writeFailed(const QSaveFile &file, int systemError, const QString &path)
{
    QString reason = file.errorString();
    const QString unknown = QCoreApplication::translate("QIODevice", "Unknown error");
    if ((file.error() == QFileDevice::NoError || reason.isEmpty() || reason == unknown) && systemError != 0)
        reason = qt_error_string(systemError);
    throw shell::Failure(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason));
}

// The new file goes to a temporary file beside the old one, is synced to
// disk, and only then takes the old one's name. Any failure on the way
// leaves the old file as it was; the temporary file is removed when `file`
// goes out of scope uncommitted.
//
// Written unbuffered, so that a failed write is seen at once: a buffered
// save file whose last flush fails (a full disk, a file-size limit) still
// commits the cut-off file over the old one. The save file syncs on commit
// too, but ignores a failed sync; this sync is checked.
void writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        writeFailed(file, errno, path);
    errno = 0;
    if (file.write(bytes) != bytes.size())
        writeFailed(file, errno ? errno : EIO, path);
    if (::fdatasync(file.handle()) != 0)
        writeFailed(file, errno, path);
    errno = 0;
    if (!file.commit())
        writeFailed(file, errno, path);
}

} // namespace

QString cardFilePath(const QString &folderText, const QString &baseName)
{
    QString path = folderText;
    if (!endsWithSeparator(path))
        path += QDir::separator();
    return path + baseName + QStringLiteral(".bmp");
}

bool FolderCheck(const QString &folderText)
{
    if (folderText.isEmpty())
        return false;
    try {
        const std::optional<bool> folder = shell::IsFolder(folderText);
        return folder.has_value() && *folder;
    } catch (...) {
        return false;
    }
}

void SaveCardPicture(const QImage &picture, const QString &path)
{
    writeWhole(path, bitmapBytes(picture));
}

void StoreOutputFolder(const QString &text)
{
    shell::Settings::write(shell::keys::Text2, text);
}

void BrowseOutputFolder(QWidget *owner, QLineEdit *text2, shell::Location location)
{
    shell::Guarded g(location);
    QString chosen;
    g.step(100, [&] {
        const QString start = shell::Settings::read(shell::keys::LastFolderDot, QString());
        chosen = shell::platform().folders->browseForFolder(owner, QStringLiteral("Please select folder:"), start);
    });
    if (g.jumpTest(102, [&] { return chosen.isEmpty(); }))
        return;
    bool hasSeparator = false;
    g.step(104, [&] {
        shell::Settings::write(shell::keys::LastFolderDot, chosen);
        hasSeparator = endsWithSeparator(chosen);
    });
    // A root folder already ends with its separator.
    if (!hasSeparator)
        g.step(106, [&] { text2->setText(chosen + QDir::separator()); });
    else
        g.step(108, [&] { text2->setText(chosen); });
}

void SaveDrawnCard(const QImage &picture, std::int32_t drawCount, const QString &folderText)
{
    shell::Guarded g(shell::Location::Form2_PushButton3_Click);
    if (g.test(106, [&] { return FolderCheck(folderText); })) {
        bool saved = false;
        g.step(108, [&] {
            SaveCardPicture(picture, cardFilePath(folderText, QStringLiteral("Card ") + QString::number(drawCount)));
            saved = true;
        });
        // After a failed write the report has said what happened.
        if (saved)
            g.step(110, [&] { shell::showMessage(DoneMessage); });
        return;
    }
    g.step(112, [&] { shell::showMessage(FolderMissingMessage); });
}

} // namespace batch
