#include "settings/StoreFile.h"

#include "files/AtomicFile.h"
#include "shell/Pointer.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace settings::storefile {
namespace {

// How long a write waits for another copy of the program to finish its own.
constexpr auto LockWait = std::chrono::seconds(1);

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

private:
    int m_fd;
};

//: %1 is the settings' lock file, %2 the reason it cannot be used.
QString lockFileProblem(const QString &name, const QString &reason)
{
    return QCoreApplication::translate("settings::SettingsStore", "the lock file %1: %2").arg(name, reason);
}

} // namespace

// The reasons are phrases that complete "The setting ... could not be
// read from the settings file ...: <reason>."
QString kindReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("settings::SettingsStore", "it is a folder, not a file");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("settings::SettingsStore", "it is a pipe, not a file");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("settings::SettingsStore", "it is a socket, not a file");
    return QCoreApplication::translate("settings::SettingsStore", "it is a device, not a file");
}

Problem readFile(const QByteArray &path, Contents &contents)
{
    Descriptor file(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0)
        return (errno == ENOENT || errno == ENOTDIR) ? Problem() : files::errorText(errno);
    if (::fstat(file.get(), &contents.status) != 0)
        return files::errorText(errno);
    if (!S_ISREG(contents.status.st_mode))
        return kindReason(contents.status.st_mode);
    contents.exists = true;
    if (contents.status.st_size > LargestFile) {
        contents.tooLarge = contents.status.st_size;
        return Problem();
    }
    // One byte more than the limit tells a file that grew past it meanwhile.
    contents.bytes.resize(qsizetype(contents.status.st_size) + 1);
    qsizetype size = 0;
    while (size <= LargestFile) {
        if (size == contents.bytes.size())
            contents.bytes.resize(std::min<qsizetype>(size * 2 + 4096, LargestFile + 1));
        const ssize_t got = ::read(file.get(), contents.bytes.data() + size, size_t(contents.bytes.size() - size));
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return files::errorText(errno);
        }
        size += got;
    }
    if (size > LargestFile) {
        contents.bytes.clear();
        contents.tooLarge = size;
        return Problem();
    }
    contents.bytes.truncate(size);
    return Problem();
}

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
        path = target.startsWith('/') ? target : files::folderOf(path) + '/' + target;
    }
    return path;
}

Problem makeFolder(const QByteArray &folder)
{
    struct stat status;
    if (::stat(folder.constData(), &status) == 0)
        return S_ISDIR(status.st_mode) ? Problem()
                                       : QCoreApplication::translate("settings::SettingsStore", "%1 is not a folder")
                                             .arg(QFile::decodeName(folder));
    if (errno != ENOENT)
        return files::errorText(errno);
    const QByteArray parent = files::folderOf(folder);
    if (parent != folder) {
        if (Problem problem = makeFolder(parent))
            return problem;
    }
    // Private, as configuration folders are meant to be.
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST)
        return files::errorText(errno);
    return Problem();
}

WriteLock::WriteLock() = default;

WriteLock::~WriteLock()
{
    release();
}

void WriteLock::release()
{
    if (m_file >= 0)
        ::close(m_file);
    m_file = -1;
}

Problem WriteLock::take(const QByteArray &path)
{
    release();
    m_file = ::open(path.constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0666);
    int error = errno;
    // A lock file another user made (the program once run as root) still
    // serves: flock() needs no write access. Where there is none, the
    // first refusal is the one that counts: no right to make it.
    if (m_file < 0 && error == EACCES) {
        m_file = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (errno != ENOENT)
            error = errno;
    }
    const QString name = QFile::decodeName(path);
    if (m_file < 0)
        return error == EACCES || error == EROFS || error == EPERM
            ? QCoreApplication::translate("settings::SettingsStore",
                                          "the lock file %1 cannot be made: there is no permission to write in its folder (%2)")
                  .arg(name, files::errorText(error))
            : lockFileProblem(name, files::errorText(error));
    struct stat status;
    if (::fstat(m_file, &status) != 0)
        return lockFileProblem(name, files::errorText(errno));
    if (!S_ISREG(status.st_mode))
        return lockFileProblem(name, kindReason(status.st_mode));
    const auto deadline = std::chrono::steady_clock::now() + LockWait;
    std::optional<shell::BusyPointer> busy;
    for (;;) {
        if (::flock(m_file, LOCK_EX | LOCK_NB) == 0)
            return Problem();
        const int refusal = errno;
        if (refusal == EINTR)
            continue;
        // Some file systems (some network ones) have no locks: write
        // without one rather than not at all.
        if (refusal == ENOLCK || refusal == EOPNOTSUPP || refusal == EINVAL || refusal == ENOSYS)
            return Problem();
        if (refusal != EWOULDBLOCK)
            return lockFileProblem(name, files::errorText(refusal));
        if (std::chrono::steady_clock::now() >= deadline)
            return QCoreApplication::translate("settings::SettingsStore",
                                               "another copy of the program kept it locked for more than a second");
        // Another copy holds it only for a rename; should that take a
        // while, the user sees that the program waits.
        if (!busy)
            busy.emplace();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace settings::storefile
