// The settings store on its INI file.
//
// A write reads the file, changes its key's line and writes the whole text
// to a temporary file beside it, synced to disk (files/AtomicFile.h), all
// without any lock: a slow disk holds up no other copy of the program. Only
// then does it take the writers' lock ("Marrowfen.ini.flock"; the system
// lets go of it when the holder dies, so a lock file left behind never
// holds anyone up), check that the file is still what it read, and rename
// the temporary over it; had another copy written meanwhile, the edit is
// made again on that copy's file. A crash leaves the old file or the new
// one; two copies writing at once lose neither's key.
//
// The lock file is not "Marrowfen.ini.lock": that name belongs to QSettings'
// QLockFile (earlier versions of the program, and tools that still open the
// file with QSettings), which takes a lock file it did not write for held
// until it is 30 seconds old, and then deletes it.
#include "settings/SettingsStore.h"

#include "files/AtomicFile.h"
#include "settings/IniText.h"
#include "settings/StoreFile.h"
#include "shell/Failure.h"
#include "shell/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace settings {
namespace {

using storefile::Contents;
using storefile::Problem;

const QString Section = QStringLiteral("Dealwright");
const QString FileName = QStringLiteral("Marrowfen.ini");
// How often a write begins again when other copies keep changing the file.
constexpr int MostAttempts = 100;

ReplaceHook g_beforeReplace = nullptr;

// A file too large to be read is reported once, at the first read or write
// that meets it (again only should it change); reads give the defaults and
// writes leave it alone.
void reportTooLarge(const QString &path, const Contents &contents)
{
    static struct {
        dev_t device = 0;
        ino_t inode = 0;
        qint64 size = -1;
    } reported;
    if (reported.device == contents.status.st_dev && reported.inode == contents.status.st_ino
        && reported.size == contents.tooLarge)
        return;
    reported = {contents.status.st_dev, contents.status.st_ino, contents.tooLarge};
    shell::showMessage(tooLargeMessage(path, contents.tooLarge));
}

bool isPermission(int error) { return error == EACCES || error == EPERM || error == EROFS; }

// The new file beside `target`, complete and synced, keeping the old file's
// permission bits (and owner, where allowed).
Problem stageFile(const QByteArray &target, const QByteArray &bytes, std::unique_ptr<files::StagedFile> &staged)
{
    // A writer killed before its rename left its temporary behind: gone now.
    files::removeStaleTemporaries(files::folderOf(target), target.mid(target.lastIndexOf('/') + 1));
    files::StagedFile::Options options;
    options.keepOldOwner = true;
    try {
        staged = std::make_unique<files::StagedFile>(target, options);
    } catch (const files::Error &error) {
        if (isPermission(error.errorNumber()))
            //: The reason a setting cannot be saved; %1 is a folder, %2 the system's reason.
            return QCoreApplication::translate("settings::SettingsStore",
                                               "there is no permission to write in the folder %1 (%2)")
                .arg(QDir::toNativeSeparators(QFile::decodeName(files::folderOf(target))), error.reason());
        return error.reason();
    }
    try {
        staged->write(bytes);
        // The data must be on disk before the rename makes it the file:
        // after a power cut the file is then the old one or the new one,
        // never an empty one.
        staged->syncData();
    } catch (const files::Error &error) {
        //: The reason a setting cannot be saved; %1 is the new settings file being written, %2 the system's reason.
        return QCoreApplication::translate("settings::SettingsStore", "the new file %1: %2")
            .arg(QFile::decodeName(staged->temporaryPath()), error.reason());
    }
    return Problem();
}

} // namespace

QString filePath()
{
    // As QStandardPaths::GenericConfigLocation, read anew each time.
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(QDir::current().absoluteFilePath(folder) + u'/' + FileName);
}

void setBeforeReplaceHook(ReplaceHook hook)
{
    g_beforeReplace = hook;
}

std::optional<QString> find(const QString &key)
{
    const QString path = filePath();
    Contents contents;
    if (Problem problem = storefile::readFile(QFile::encodeName(path), contents)) {
        //: %1 is the setting's key (kept as it is), %2 the settings file, %3 the reason.
        throw shell::Failure(QCoreApplication::translate("settings::SettingsStore",
                                                         "The setting \"%1\" could not be read from the settings file %2: %3.")
                          .arg(key, QDir::toNativeSeparators(path), *problem));
    }
    if (contents.tooLarge) {
        reportTooLarge(path, contents);
        return std::nullopt;
    }
    if (!contents.exists)
        return std::nullopt;
    return ini::value(contents.bytes, Section, key);
}

QString tooLargeMessage(const QString &path, qint64 size)
{
    const QLocale locale;
    return QCoreApplication::translate("settings::SettingsStore",
                                       "The settings file %1 is %2, larger than a settings file may be (%3). It has "
                                       "not been read: Dealwright works with its default settings and leaves the "
                                       "file as it is.")
        .arg(QDir::toNativeSeparators(path), locale.formattedDataSize(size, 1, QLocale::DataSizeTraditionalFormat),
             locale.formattedDataSize(storefile::LargestFile, 0, QLocale::DataSizeTraditionalFormat));
}

QString read(const QString &key, const QString &defaultValue)
{
    return find(key).value_or(defaultValue);
}

QString read(const QString &key, const std::function<QString()> &makeDefault)
{
    std::optional<QString> stored = find(key);
    return stored ? *stored : makeDefault();
}

QString read(const QString &key, int defaultValue)
{
    return read(key, QString::number(defaultValue));
}

namespace {

void writeValue(const QString &key, const QString &value, bool onlyIfMissing)
{
    const QString path = filePath();
    const auto fail = [&](const QString &reason) {
        //: %1 is the setting's key (kept as it is), %2 the settings file, %3 the reason.
        throw shell::Failure(QCoreApplication::translate("settings::SettingsStore",
                                                         "The setting \"%1\" could not be saved in the settings file %2: %3.")
                                 .arg(key, QDir::toNativeSeparators(path), reason));
    };
    const QByteArray target = storefile::linkTarget(QFile::encodeName(path));
    if (Problem problem = storefile::makeFolder(files::folderOf(target)))
        fail(*problem);
    for (int attempt = 1;; ++attempt) {
        Contents old;
        if (Problem problem = storefile::readFile(target, old))
            fail(*problem);
        if (old.tooLarge)
            return reportTooLarge(path, old);
        if (onlyIfMissing && old.exists && ini::value(old.bytes, Section, key))
            return;
        // A rename would replace a file we may not write: ask first.
        if (old.exists && ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
            fail(isPermission(errno) ? QCoreApplication::translate("settings::SettingsStore",
                                                                   "there is no permission to change it (%1)")
                                           .arg(files::errorText(errno))
                                     : files::errorText(errno));
        const QByteArray updated = ini::withValue(old.bytes, Section, key, value);
        if (old.exists && updated == old.bytes)
            return;  // already on disk as it should be
        std::unique_ptr<files::StagedFile> staged;
        if (Problem problem = stageFile(target, updated, staged))
            fail(*problem);
        if (g_beforeReplace)
            g_beforeReplace(QFile::decodeName(staged->temporaryPath()));

        storefile::WriteLock lock;
        if (Problem problem = lock.take(target + ".flock"))
            fail(*problem);
        Contents now;
        if (Problem problem = storefile::readFile(target, now))
            fail(*problem);
        if (now.exists != old.exists || now.tooLarge || now.bytes != old.bytes) {
            // Another copy wrote meanwhile: the edit is made on its file.
            if (attempt == MostAttempts)
                fail(QCoreApplication::translate("settings::SettingsStore",
                                                 "other copies of the program kept changing it"));
            continue;
        }
        try {
            staged->commit();
        } catch (const files::Error &error) {
            fail(error.reason());
        }
        lock.release();
        // The rename itself reaches the disk with the folder. The write has
        // happened either way, so a failure here is no failure of the write.
        staged->syncFolder();
        return;
    }
}

} // namespace

void write(const QString &key, const QString &value)
{
    writeValue(key, value, false);
}

void writeIfMissing(const QString &key, const QString &value)
{
    writeValue(key, value, true);
}

} // namespace settings
