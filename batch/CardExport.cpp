#include "CardExport.h"

#include "Bitmap.h"
#include "FileBatch.h"
#include "shell/Messages.h"
#include "shell/Platform.h"
#include "shell/Settings.h"
#include "shell/ShellHelpers.h"

#include <QDir>
#include <QLineEdit>

namespace batch {
namespace {

bool endsWithSeparator(const QString &text)
{
    return text.endsWith(QDir::separator()) || text.endsWith(QLatin1Char('/'));
}

} // namespace

QString cardFilePath(const QString &folderText, const QString &baseName, const QString &extension)
{
    QString path = folderText;
    if (!endsWithSeparator(path))
        path += QDir::separator();
    return path + baseName + extension;
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
    FileBatch::writeOne(path, bitmapBytes(picture));
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
