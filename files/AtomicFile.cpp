#include "files/AtomicFile.h"

#include "files/Interrupts.h"

#include <QList>
#include <QRandomGenerator>

#include <cerrno>
#include <dirent.h>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

const QByteArray TemporarySuffix = QByteArrayLiteral(".dealwright-tmp");

[[noreturn]] void fail(int code, const QByteArray &path)
{
    throw Error(code, path);
}

QByteArray nameOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? path : path.mid(slash + 1);
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

QString errorText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

Error::Error(int code, const QByteArray &path)
    : std::system_error(code, std::generic_category(), path.toStdString()), m_path(path)
{
}

QString Error::reason() const
{
    return errorText(errorNumber());
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.first(slash);
}

bool isTemporaryName(const QByteArray &name)
{
    if (!name.startsWith('.') || !name.endsWith(TemporarySuffix))
        return false;
    const QByteArray middle = name.mid(1, name.size() - 1 - TemporarySuffix.size());
    const qsizetype dot = middle.lastIndexOf('.');
    if (dot <= 0 || dot == middle.size() - 1)
        return false;
    for (const char c : middle.mid(dot + 1)) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z')))
            return false;
    }
    return true;
}

int removeStaleTemporaries(const QByteArray &folder, const QByteArray &targetName)
{
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return 0;
    const int listFd = ::dup(folderFd);
    DIR *listing = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (!listing) {
        if (listFd >= 0)
            ::close(listFd);
        ::close(folderFd);
        return 0;
    }
    const QByteArray prefix = targetName.isEmpty() ? QByteArray() : '.' + targetName + '.';
    QList<QByteArray> candidates;
    while (const dirent *entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        if (isTemporaryName(name) && (prefix.isEmpty() || name.startsWith(prefix)))
            candidates.append(name);
    }
    ::closedir(listing);
    int removed = 0;
    for (const QByteArray &name : candidates) {
        const int file = ::openat(folderFd, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (file < 0)
            continue;
        struct stat opened {};
        struct stat named {};
        // The lock is free only when no writer holds the file open; the name
        // must still be that file when it goes.
        if (::fstat(file, &opened) == 0 && S_ISREG(opened.st_mode) && ::flock(file, LOCK_EX | LOCK_NB) == 0
            && ::fstatat(folderFd, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0
            && named.st_ino == opened.st_ino && named.st_dev == opened.st_dev
            && ::unlinkat(folderFd, name.constData(), 0) == 0)
            ++removed;
        ::close(file);
    }
    ::close(folderFd);
    return removed;
}

StagedFile::StagedFile(const QByteArray &target) : StagedFile(target, Options()) {}

StagedFile::StagedFile(const QByteArray &target, const Options &options) : m_target(target), m_name(nameOf(target))
{
    try {
        open(options);
    } catch (...) {
        removeTemporary();
        throw;
    }
}

StagedFile::~StagedFile()
{
    removeTemporary();
}

void StagedFile::open(const Options &options)
{
    if (m_name.isEmpty() || m_name == "." || m_name == "..")
        fail(EISDIR, m_target);
    m_folder = ::open(folderOf(m_target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_folder < 0)
        fail(errno, m_target);
    struct stat folderStatus {};
    if (::fstat(m_folder, &folderStatus) != 0)
        fail(errno, m_target);
    m_device = folderStatus.st_dev;
    m_inode = folderStatus.st_ino;

    // What stands under the name now: a folder cannot be replaced by a
    // file; an old file passes on its permissions; a link is replaced itself.
    struct stat existing {};
    bool oldFile = false;
    if (::fstatat(m_folder, m_name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISDIR(existing.st_mode))
            fail(EISDIR, m_target);
        oldFile = S_ISREG(existing.st_mode);
    } else if (errno != ENOENT) {
        fail(errno, m_target);
    }
    const bool keepMode = oldFile && options.keepOldMode;
    const mode_t mode = keepMode ? (existing.st_mode & 0777) : options.newFileMode;

    for (int attempt = 0; m_file < 0; ++attempt) {
        const QByteArray candidate = '.' + m_name + '.'
            + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + TemporarySuffix;
        // Noted before it exists: a signal that ends the program while the
        // file is being created finds its name already in the table (the
        // handler may run on any thread), and removing a name that does not
        // exist yet is harmless.
        const int place = interrupts::note(m_folder, candidate.constData());
        const int file = ::openat(m_folder, candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (file < 0) {
            const int error = errno;
            interrupts::forget(place);
            if (error != EEXIST || attempt > 100)
                fail(error, m_target);
            continue;
        }
        // Locked from the first moment: a cleaner that took the lock in
        // between may have removed the name, so the name must still be
        // this file once the lock is held.
        struct stat opened {};
        struct stat named {};
        const int locked = ::flock(file, LOCK_EX | LOCK_NB);
        const bool lockless = locked != 0 && (errno == ENOLCK || errno == EOPNOTSUPP || errno == ENOSYS || errno == EINVAL);
        if ((locked == 0 || lockless) && ::fstat(file, &opened) == 0
            && ::fstatat(m_folder, candidate.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0
            && opened.st_ino == named.st_ino && opened.st_dev == named.st_dev) {
            m_file = file;
            m_temporary = candidate;
            m_note = place;
        } else {
            interrupts::forget(place);
            ::close(file);
            if (attempt > 100)
                fail(EAGAIN, m_target);
        }
    }
    if (oldFile && options.keepOldOwner && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()))
        (void)!::fchown(m_file, existing.st_uid, existing.st_gid);
    if (keepMode && ::fchmod(m_file, mode) != 0)
        fail(errno, m_target);
}

void StagedFile::write(const QByteArray &bytes)
{
    if (m_file < 0)
        fail(EBADF, m_target);
    if (!writeAll(m_file, bytes.constData(), bytes.size()))
        fail(errno, m_target);
}

void StagedFile::startWriteBack()
{
#ifdef SYNC_FILE_RANGE_WRITE
    if (m_file >= 0)
        ::sync_file_range(m_file, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
}

void StagedFile::waitForData()
{
    if (m_file < 0)
        fail(EBADF, m_target);
#ifdef SYNC_FILE_RANGE_WRITE
    const bool written = ::sync_file_range(m_file, 0, 0,
                                           SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER)
        == 0;
#else
    const bool written = ::fdatasync(m_file) == 0;
#endif
    if (!written)
        fail(errno, m_target);
}

void StagedFile::syncData()
{
    if (m_file < 0)
        fail(EBADF, m_target);
    if (::fdatasync(m_file) != 0)
        fail(errno, m_target);
}

void StagedFile::commit()
{
    if (m_temporary.isEmpty())
        fail(EBADF, m_target);
    if (::renameat(m_folder, m_temporary.constData(), m_folder, m_name.constData()) != 0)
        fail(errno, m_target);
    interrupts::forget(m_note);
    m_note = -1;
    m_temporary.clear();
    m_committed = true;
    // The lock goes with the descriptor; the file is the target now.
    if (m_file >= 0) {
        ::close(m_file);
        m_file = -1;
    }
}

int StagedFile::syncFolderOnly() const
{
    return ::fsync(m_folder) == 0 ? 0 : errno;
}

int StagedFile::syncItself() const
{
    const int file = ::openat(m_folder, m_name.constData(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return errno;
    const int error = (::fdatasync(file) == 0 || errno == EINVAL) ? 0 : errno;
    ::close(file);
    return error;
}

int StagedFile::syncFolder() const
{
    const int error = syncFolderOnly();
    return error == EINVAL ? syncItself() : error;
}

QByteArray StagedFile::temporaryPath() const
{
    if (m_temporary.isEmpty())
        return QByteArray();
    return folderOf(m_target) + '/' + m_temporary;
}

void StagedFile::removeTemporary()
{
    if (m_file >= 0) {
        ::close(m_file);
        m_file = -1;
    }
    if (m_folder >= 0) {
        if (!m_temporary.isEmpty())
            ::unlinkat(m_folder, m_temporary.constData(), 0);
        interrupts::forget(m_note);
        m_note = -1;
        ::close(m_folder);
        m_folder = -1;
    }
    m_temporary.clear();
}

void writeWhole(const QByteArray &target, const QByteArray &bytes, const StagedFile::Options &options)
{
    StagedFile file(target, options);
    file.write(bytes);
    file.waitForData();
    file.commit();
    if (const int error = file.syncFolder())
        throw Error(error, target);
}

} // namespace files
