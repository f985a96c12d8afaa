#include "FileBatch.h"

#include "shell/Failure.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace batch {
namespace {

// "path: reason", the path named once.
QString failureText(const QString &path, int error)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), qt_error_string(error));
}

[[noreturn]] void fail(const QString &path, int error)
{
    throw shell::Failure(failureText(path, error));
}

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

struct FileBatch::Staged {
    QString path;        // as the caller named it, for messages
    QByteArray name;     // the file's name inside its folder
    QByteArray temporary;
    int folder = -1;     // the folder, held open: a folder renamed meanwhile still gets its file
    int file = -1;
    dev_t device = 0;
    ino_t inode = 0;

    ~Staged()
    {
        if (file >= 0)
            ::close(file);
        if (folder >= 0) {
            if (!temporary.isEmpty())
                ::unlinkat(folder, temporary.constData(), 0);
            ::close(folder);
        }
    }
};

FileBatch::FileBatch() = default;
FileBatch::~FileBatch() = default;

void FileBatch::stage(const QString &path, const QByteArray &bytes)
{
    ignoreFileSizeSignal();
    auto staged = std::make_unique<Staged>();
    staged->path = path;
    const QFileInfo info(path);
    staged->name = QFile::encodeName(info.fileName());
    const QByteArray folder = QFile::encodeName(info.path());

    staged->folder = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (staged->folder < 0)
        fail(path, errno);
    struct stat folderStat {};
    if (::fstat(staged->folder, &folderStat) != 0)
        fail(path, errno);
    staged->device = folderStat.st_dev;
    staged->inode = folderStat.st_ino;

    // What stands under the name now: a folder cannot be replaced by a
    // file; an old file keeps its permissions; a link is replaced itself.
    mode_t mode = 0666;
    bool keepMode = false;
    struct stat existing {};
    if (::fstatat(staged->folder, staged->name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISDIR(existing.st_mode))
            fail(path, EISDIR);
        if (S_ISREG(existing.st_mode)) {
            mode = existing.st_mode & 07777;
            keepMode = true;
        }
    } else if (errno != ENOENT) {
        fail(path, errno);
    }

    for (int attempt = 0; staged->file < 0; ++attempt) {
        const QByteArray candidate = '.' + staged->name + '.'
            + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        staged->file = ::openat(staged->folder, candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (staged->file >= 0)
            staged->temporary = candidate;
        else if (errno != EEXIST || attempt > 100)
            fail(path, errno);
    }
    if (keepMode && ::fchmod(staged->file, mode) != 0)
        fail(path, errno);
    if (!writeAll(staged->file, bytes.constData(), bytes.size()))
        fail(path, errno);
#ifdef SYNC_FILE_RANGE_WRITE
    // Starts writing the data to disk now; commit() only waits for it.
    ::sync_file_range(staged->file, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    m_staged.push_back(std::move(staged));
}

// Waits until the file's data is written out. On Linux only the data is
// waited for, without a flush of the disk's cache: the one flush comes with
// the folders' sync below, whose journal commit puts the disk's cache,
// these files' data included, on the platter before the names it records.
// Elsewhere each file is synced on its own.
static bool waitForData(int file)
{
#ifdef SYNC_FILE_RANGE_WRITE
    return ::sync_file_range(file, 0, 0, SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER)
        == 0;
#else
    return ::fdatasync(file) == 0;
#endif
}

// The file under its new name, synced on its own: 0, or the system's error.
static int syncFileItself(const FileBatch::Staged &staged)
{
    const int file = ::openat(staged.folder, staged.name.constData(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return errno;
    const int error = (::fdatasync(file) == 0 || errno == EINVAL) ? 0 : errno;
    ::close(file);
    return error;
}

QStringList FileBatch::commit()
{
    QStringList failures;
    std::vector<std::pair<Staged *, QString>> outcome;
    // The data of every file first, all together, then the names: a name
    // never stands for a file whose data is not written.
    for (const auto &staged : m_staged) {
        QString failure;
        if (!waitForData(staged->file))
            failure = failureText(staged->path, errno);
        if (::close(staged->file) != 0 && failure.isEmpty())
            failure = failureText(staged->path, errno);
        staged->file = -1;
        outcome.emplace_back(staged.get(), failure);
    }
    // Then the names.
    for (auto &[staged, failure] : outcome) {
        if (!failure.isEmpty())
            continue;
        if (::renameat(staged->folder, staged->temporary.constData(), staged->folder, staged->name.constData()) == 0)
            staged->temporary.clear();
        else
            failure = failureText(staged->path, errno);
    }
    // Then each folder's entries, once, after all its names: that sync
    // commits the file system's journal with one flush of the disk for the
    // whole batch. Where a folder cannot be synced (EINVAL), each file of it
    // is synced itself.
    std::map<std::pair<dev_t, ino_t>, int> folderSync;
    for (auto &[staged, failure] : outcome) {
        if (failure.isEmpty()) {
            const auto folder = std::make_pair(staged->device, staged->inode);
            auto found = folderSync.find(folder);
            if (found == folderSync.end())
                found = folderSync.emplace(folder, ::fsync(staged->folder) == 0 ? 0 : errno).first;
            const int error = found->second == EINVAL ? syncFileItself(*staged) : found->second;
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
