// The settings store on its INI file.
//
// A write happens under an flock() on "Marrowfen.ini.flock" (the system lets
// go of it when the holder dies, so a lock file left behind never holds
// anyone up): read the file, change the key's line, write the whole text to
// "Marrowfen.ini.tmp" beside it, sync, and rename it over the file. A crash
// leaves the old file or the new one; two copies of the program writing at
// once lose neither's key. Every open is non-blocking and checks that it got
// a regular file, so a pipe or a folder in a file's place fails at once.
//
// The lock file is not "Marrowfen.ini.lock": that name belongs to QSettings'
// QLockFile (earlier versions of the program, and tools that still open the
// file with QSettings), which takes a lock file it did not write for held
// until it is 30 seconds old, and then deletes it.
#include "Settings.h"

#include "Failure.h"
#include "IniText.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace shell {
namespace {

const QString Section = QStringLiteral("Dealwright");
const QString FileName = QStringLiteral("Marrowfen.ini");
// How long a write waits for another copy of the program to finish its own.
constexpr auto LockWait = std::chrono::seconds(1);

Settings::ReplaceHook g_beforeReplace = nullptr;

using Problem = std::optional<QString>;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString kindReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder, not a file");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a pipe, not a file");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a file");
    return QStringLiteral("it is a device, not a file");
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    void reset(int fd)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.first(slash);
}

// The settings file as it is now. `exists` is false for a missing file or
// folder, which is no error: the defaults apply.
struct Contents {
    bool exists = false;
    QByteArray bytes;
    struct stat status {};
};

Problem readFile(const QByteArray &path, Contents &contents)
{
    Descriptor file(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0)
        return (errno == ENOENT || errno == ENOTDIR) ? Problem() : systemReason(errno);
    if (::fstat(file.get(), &contents.status) != 0)
        return systemReason(errno);
    if (!S_ISREG(contents.status.st_mode))
        return kindReason(contents.status.st_mode);
    contents.bytes.resize(qsizetype(contents.status.st_size) + 1);
    qsizetype size = 0;
    for (;;) {
        if (size == contents.bytes.size())
            contents.bytes.resize(size * 2 + 4096);
        const ssize_t got = ::read(file.get(), contents.bytes.data() + size, size_t(contents.bytes.size() - size));
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return systemReason(errno);
        }
        size += got;
    }
    contents.bytes.truncate(size);
    contents.exists = true;
    return Problem();
}

// The end of a chain of symbolic links: a linked settings file stays a
// link, and its target is the file that gets replaced.
QByteArray linkTarget(QByteArray path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status;
        if (::lstat(path.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
            break;
        QByteArray target(qsizetype(status.st_size) + 256, '\0');
        const ssize_t length = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (length <= 0 || length == target.size())
            break;
        target.truncate(length);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    return path;
}

Problem makeFolder(const QByteArray &folder)
{
    struct stat status;
    if (::stat(folder.constData(), &status) == 0)
        return S_ISDIR(status.st_mode) ? Problem() : QStringLiteral("%1 is not a folder").arg(QFile::decodeName(folder));
    if (errno != ENOENT)
        return systemReason(errno);
    const QByteArray parent = folderOf(folder);
    if (parent != folder) {
        if (Problem problem = makeFolder(parent))
            return problem;
    }
    // Private, as configuration folders are meant to be.
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST)
        return systemReason(errno);
    return Problem();
}

// The writers' lock; held until the object goes.
class WriteLock {
public:
    Problem take(const QByteArray &path)
    {
        m_file.reset(::open(path.constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0666));
        // A lock file another user made (the program once run as root) still
        // serves: flock() needs no write access.
        if (m_file.get() < 0 && errno == EACCES)
            m_file.reset(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
        const QString name = QFile::decodeName(path);
        if (m_file.get() < 0)
            return QStringLiteral("the lock file %1: %2").arg(name, systemReason(errno));
        struct stat status;
        if (::fstat(m_file.get(), &status) != 0)
            return QStringLiteral("the lock file %1: %2").arg(name, systemReason(errno));
        if (!S_ISREG(status.st_mode))
            return QStringLiteral("the lock file %1: %2").arg(name, kindReason(status.st_mode));
        const auto deadline = std::chrono::steady_clock::now() + LockWait;
        for (;;) {
            if (::flock(m_file.get(), LOCK_EX | LOCK_NB) == 0) {
                held = true;
                return Problem();
            }
            const int error = errno;
            if (error == EINTR)
                continue;
            // Some file systems (some network ones) have no locks: write
            // without one rather than not at all.
            if (error == ENOLCK || error == EOPNOTSUPP || error == EINVAL || error == ENOSYS)
                return Problem();
            if (error != EWOULDBLOCK)
                return QStringLiteral("the lock file %1: %2").arg(name, systemReason(error));
            if (std::chrono::steady_clock::now() >= deadline)
                return QStringLiteral("another copy of the program kept it locked for more than a second");
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    bool held = false;

private:
    Descriptor m_file;
};

Problem writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return systemReason(errno);
        }
        done += put;
    }
    return Problem();
}

// Writes `bytes` to a new file beside `target`, syncs it and renames it
// over `target`, keeping the old file's permission bits (and owner, where
// allowed).
Problem replaceFile(const QByteArray &target, const QByteArray &bytes, const Contents &old, bool locked)
{
    // Under the lock one name serves every write: a writer killed before its
    // rename leaves one stray file, which the next write takes over.
    QByteArray temporary = target + ".tmp";
    if (!locked)
        temporary += '.' + QByteArray::number(qint64(::getpid()));
    const auto newFileProblem = [&](const QString &reason) {
        return QStringLiteral("the new file %1: %2").arg(QFile::decodeName(temporary), reason);
    };
    if (::unlink(temporary.constData()) != 0 && errno != ENOENT)
        return newFileProblem(systemReason(errno));
    Descriptor file(::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (file.get() < 0)
        return newFileProblem(systemReason(errno));
    Problem problem = [&]() -> Problem {
        if (old.exists) {
            if (old.status.st_uid != ::geteuid() || old.status.st_gid != ::getegid())
                (void)!::fchown(file.get(), old.status.st_uid, old.status.st_gid);
            if (::fchmod(file.get(), old.status.st_mode & 07777) != 0)
                return newFileProblem(systemReason(errno));
        }
        if (Problem failed = writeAll(file.get(), bytes))
            return newFileProblem(*failed);
        // The data must be on disk before the rename makes it the file: after
        // a power cut the file is then the old one or the new one, never an
        // empty one. (About half a millisecond a write on the developers'
        // ext4 disks; see BM_SettingsWrite.)
        if (::fdatasync(file.get()) != 0 || file.close() != 0)
            return newFileProblem(systemReason(errno));
        if (g_beforeReplace)
            g_beforeReplace(QFile::decodeName(temporary));
        if (::rename(temporary.constData(), target.constData()) != 0)
            return systemReason(errno);
        return Problem();
    }();
    if (problem) {
        ::unlink(temporary.constData());
        return problem;
    }
    // The rename itself reaches the disk with the folder. The write has
    // happened either way, so a failure here is no failure of the write.
    Descriptor folder(::open(folderOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return Problem();
}

} // namespace

QString Settings::filePath()
{
    // As QStandardPaths::GenericConfigLocation, read anew each time.
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(QDir::current().absoluteFilePath(folder) + u'/' + FileName);
}

void Settings::setBeforeReplaceHook(ReplaceHook hook)
{
    g_beforeReplace = hook;
}

std::optional<QString> Settings::find(const QString &key)
{
    const QString path = filePath();
    Contents contents;
    if (Problem problem = readFile(QFile::encodeName(path), contents)) {
        throw Failure(QStringLiteral("The setting \"%1\" could not be read from the settings file %2: %3.")
                          .arg(key, QDir::toNativeSeparators(path), *problem));
    }
    if (!contents.exists)
        return std::nullopt;
    return ini::value(contents.bytes, Section, key);
}

QString Settings::read(const QString &key, const QString &defaultValue)
{
    return find(key).value_or(defaultValue);
}

QString Settings::read(const QString &key, const std::function<QString()> &makeDefault)
{
    std::optional<QString> stored = find(key);
    return stored ? *stored : makeDefault();
}

QString Settings::read(const QString &key, int defaultValue)
{
    return read(key, QString::number(defaultValue));
}

void Settings::write(const QString &key, const QString &value)
{
    const QString path = filePath();
    const auto fail = [&](const QString &reason) {
        throw Failure(QStringLiteral("The setting \"%1\" could not be saved in the settings file %2: %3.")
                          .arg(key, QDir::toNativeSeparators(path), reason));
    };
    const QByteArray target = linkTarget(QFile::encodeName(path));
    if (Problem problem = makeFolder(folderOf(target)))
        fail(*problem);
    WriteLock lock;
    if (Problem problem = lock.take(target + ".flock"))
        fail(*problem);
    Contents old;
    if (Problem problem = readFile(target, old))
        fail(*problem);
    // A rename would replace a file we may not write: ask first.
    if (old.exists && ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
        fail(systemReason(errno));
    const QByteArray updated = ini::withValue(old.bytes, Section, key, value);
    if (old.exists && updated == old.bytes)
        return;  // already on disk as it should be
    if (Problem problem = replaceFile(target, updated, old, lock.held))
        fail(*problem);
}

} // namespace shell
