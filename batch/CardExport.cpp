#include "batch/CardExport.h"

#include "batch/Bitmap.h"
#include "batch/FileBatch.h"
#include "shell/Messages.h"
#include "shell/Platform.h"
#include "settings/SettingsStore.h"
#include "shell/ShellHelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>

#include <sys/stat.h>

namespace batch {
namespace {

bool endsWithSeparator(const QString &text)
{
    return text.endsWith(QDir::separator()) || text.endsWith(QLatin1Char('/'));
}

} // namespace

QString folderMissingMessage()
{
    return QCoreApplication::translate("batch::CardExport", "Folder does not exist. Please select another folder.");
}

QString noCardSelectedMessage()
{
    return QCoreApplication::translate("batch::CardExport", "No card selected.");
}

QString doneMessage()
{
    //: The message after card files were saved.
    return QCoreApplication::translate("batch::CardExport", "Done.");
}

QString cardFilePath(const QString &folderText, const QString &baseName, const QString &extension)
{
    QString path = folderText;
    if (!endsWithSeparator(path))
        path += QDir::separator();
    return path + baseName + extension;
}

bool isExistingFolder(const QString &folderText)
{
    if (folderText.isEmpty())
        return false;
    try {
        const std::optional<bool> folder = shell::isFolder(folderText);
        return folder.has_value() && *folder;
    } catch (...) {
        return false;
    }
}

bool isExistingFolder(const QByteArray &folder)
{
    struct stat status {};
    return !folder.isEmpty() && ::stat(folder.constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

QByteArray cardFilePath(const QByteArray &folder, const QString &baseName, const QString &extension)
{
    return folder + (folder.endsWith('/') ? "" : "/") + QFile::encodeName(baseName + extension);
}

void saveCardPicture(const QImage &picture, const QString &path)
{
    FileBatch::writeOne(path, bitmapBytes(picture));
}

void storeOutputFolder(const QString &text, bool filledByLoad)
{
    if (filledByLoad)
        settings::writeIfMissing(settings::keys::Text2, text);
    else
        settings::write(settings::keys::Text2, text);
}

QString browseStartFolder(const QString &lastFolder, const QString &folderText)
{
    return isExistingFolder(lastFolder) ? lastFolder : folderText;
}

void browseOutputFolder(QWidget *owner, QLineEdit *text2, shell::Location location)
{
    shell::Guarded g(location);
    QString chosen;
    g.step(100, [&] {
        const QString start = browseStartFolder(settings::read(settings::keys::LastFolderDot, QString()), text2->text());
        chosen = shell::platform().folders->browseForFolder(
            owner, QCoreApplication::translate("batch::CardExport", "Please select folder:"), start);
    });
    if (g.jumpTest(102, [&] { return chosen.isEmpty(); }))
        return;
    bool hasSeparator = false;
    g.step(104, [&] {
        settings::write(settings::keys::LastFolderDot, chosen);
        hasSeparator = endsWithSeparator(chosen);
    });
    // A root folder already ends with its separator.
    if (!hasSeparator)
        g.step(106, [&] { text2->setText(chosen + QDir::separator()); });
    else
        g.step(108, [&] { text2->setText(chosen); });
}

void saveDrawnCard(const QImage &picture, std::int32_t drawCount, const QString &folderText)
{
    shell::Guarded g(shell::Location::DrawWindowSaveCard);
    if (g.test(106, [&] { return isExistingFolder(folderText); })) {
        bool saved = false;
        g.step(108, [&] {
            saveCardPicture(picture, cardFilePath(folderText, QStringLiteral("Card ") + QString::number(drawCount)));
            saved = true;
        });
        // After a failed write the report has said what happened.
        if (saved)
            g.step(110, [&] { shell::showMessage(doneMessage()); });
        return;
    }
    g.step(112, [&] { shell::showMessage(folderMissingMessage()); });
}

} // namespace batch
