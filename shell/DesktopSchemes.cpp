// Which address schemes the desktop has a program for, read from the
// association files of the XDG base directories (the "Association between
// MIME types and applications" rules): mimeapps.list in the configuration
// folders and in the data folders' applications/, and the mimeinfo.cache
// that update-desktop-database writes there.
#include "Platform.h"

#include <QFile>
#include <QSet>
#include <QStandardPaths>
#include <QStringList>

namespace shell {
namespace {

// The desktop entries a file names for `type`, by group: "default" and
// "added" (mimeapps.list, "[MIME Cache]" of mimeinfo.cache) and "removed".
struct Associations {
    QSet<QString> named;
    QSet<QString> removed;
};

void readAssociations(const QString &path, const QString &type, Associations &found)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    bool removing = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            removing = line == QLatin1String("[Removed Associations]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || line.left(equals).trimmed() != type)
            continue;
        const QStringList entries = line.mid(equals + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString &entry : entries)
            (removing ? found.removed : found.named).insert(entry.trimmed());
    }
}

// A desktop entry id names applications/<id>, or with its first dashes
// turned into folders (kde-foo.desktop: applications/kde/foo.desktop).
bool entryInstalled(const QString &id, const QStringList &dataFolders)
{
    for (const QString &folder : dataFolders) {
        QString relative = id;
        for (;;) {
            if (QFile::exists(folder + QStringLiteral("/applications/") + relative))
                return true;
            const qsizetype dash = relative.indexOf(QLatin1Char('-'));
            if (dash < 0)
                break;
            relative[dash] = QLatin1Char('/');
        }
    }
    return false;
}

} // namespace

bool desktopOpensScheme(const QString &scheme)
{
    const QString lower = scheme.toLower();
    if (lower == QLatin1String("http") || lower == QLatin1String("https") || lower == QLatin1String("file"))
        return true;
    if (lower.isEmpty())
        return false;
    const QString type = QStringLiteral("x-scheme-handler/") + lower;
    const QStringList configFolders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    const QStringList dataFolders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    Associations found;
    for (const QString &folder : configFolders)
        readAssociations(folder + QStringLiteral("/mimeapps.list"), type, found);
    for (const QString &folder : dataFolders) {
        readAssociations(folder + QStringLiteral("/applications/mimeapps.list"), type, found);
        readAssociations(folder + QStringLiteral("/applications/mimeinfo.cache"), type, found);
    }
    for (const QString &entry : found.named) {
        if (!found.removed.contains(entry) && entryInstalled(entry, dataFolders))
            return true;
    }
    return false;
}

} // namespace shell
