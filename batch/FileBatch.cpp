#include "batch/FileBatch.h"

#include "files/AtomicFile.h"
#include "shell/Failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <csignal>
#include <map>
#include <utility>

namespace batch {
namespace {

// "path: reason", the path named once.
QString failureText(const QString &path, int error)
{
    //: A card file that could not be written: %1 is its path, %2 the system's reason.
    return QCoreApplication::translate("batch::FileBatch", "%1: %2")
        .arg(QDir::toNativeSeparators(path), files::errorText(error));
}

} // namespace

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

struct FileBatch::Staged {
    QString path;  // as the caller named it, for messages
    std::unique_ptr<files::StagedFile> file;
};

FileBatch::FileBatch() = default;
FileBatch::~FileBatch() = default;

void FileBatch::stage(const QString &path, const QByteArray &bytes)
{
    stage(QFile::encodeName(path), path, bytes);
}

void FileBatch::stage(const QByteArray &target, const QString &path, const QByteArray &bytes)
{
    ignoreFileSizeSignal();
    auto staged = std::make_unique<Staged>();
    staged->path = path;
    // Temporaries that a killed or crashed export left in this folder go
    // first (once a batch); those of a live writer stay.
    const QByteArray folder = files::folderOf(target);
    if (!m_cleanedFolders.contains(folder)) {
        m_cleanedFolders.append(folder);
        files::removeStaleTemporaries(folder);
    }
    try {
        staged->file = std::make_unique<files::StagedFile>(target);
        staged->file->write(bytes);
        // Starts writing the data to disk now; commit() only waits for it.
        staged->file->startWriteBack();
    } catch (const files::Error &error) {
        throw shell::Failure(failureText(path, error.errorNumber()));
    }
    m_staged.push_back(std::move(staged));
}

QStringList FileBatch::commit()
{
    QStringList failures;
    std::vector<std::pair<Staged *, QString>> outcome;
    // The data of every file first, all together, then the names: a name
    // never stands for a file whose data is not written.
    for (const auto &staged : m_staged) {
        QString failure;
        try {
            staged->file->waitForData();
        } catch (const files::Error &error) {
            failure = failureText(staged->path, error.errorNumber());
        }
        outcome.emplace_back(staged.get(), failure);
    }
    for (auto &[staged, failure] : outcome) {
        if (!failure.isEmpty())
            continue;
        try {
            staged->file->commit();
        } catch (const files::Error &error) {
            failure = failureText(staged->path, error.errorNumber());
        }
    }
    // Then each folder's entries, once, after all its names: that sync
    // commits the file system's journal with one flush of the disk for the
    // whole batch. Where a folder cannot be synced (EINVAL), each file of it
    // is synced itself.
    std::map<std::pair<dev_t, ino_t>, int> folderSync;
    for (auto &[staged, failure] : outcome) {
        if (failure.isEmpty()) {
            const files::StagedFile &file = *staged->file;
            const auto folder = std::make_pair(file.folderDevice(), file.folderInode());
            auto found = folderSync.find(folder);
            if (found == folderSync.end())
                found = folderSync.emplace(folder, file.syncFolderOnly()).first;
            const int error = found->second == EINVAL ? file.syncItself() : found->second;
            if (error != 0)
                failure = failureText(staged->path, error);
        }
        if (failure.isEmpty())
            m_written.append(staged->path);
        else
            failures.append(failure);
    }
    m_staged.clear();
    return failures;
}

void FileBatch::writeOne(const QString &path, const QByteArray &bytes)
{
    FileBatch batch;
    batch.stage(path, bytes);
    const QStringList failures = batch.commit();
    if (!failures.isEmpty())
        throw shell::Failure(failures.first());
}

} // namespace batch
