#pragma once
// The settings file on disk, below the store's rules: reading it whole,
// following its links, making its folder, and the writers' lock. Every open
// is non-blocking and checks that it got a regular file, so a pipe or a
// folder in a file's place fails at once. Problems come back as the
// sentence that ends the store's message.
#include <QByteArray>
#include <QString>
#include <optional>
#include <sys/stat.h>

namespace settings::storefile {

using Problem = std::optional<QString>;

// The largest settings file that is read (1 MB); the program's own values
// take a few hundred bytes.
constexpr qint64 LargestFile = 1024 * 1024;

// The settings file as it is now. `exists` is false for a missing file or
// folder, which is no error: the defaults apply. A file larger than
// LargestFile is not read: `tooLarge` is its size and `bytes` is empty.
struct Contents {
    bool exists = false;
    QByteArray bytes;
    qint64 tooLarge = 0;
    struct stat status {};
};

Problem readFile(const QByteArray &path, Contents &contents);

// The end of a chain of symbolic links: a linked settings file stays a
// link, and its target is the file that gets replaced.
QByteArray linkTarget(QByteArray path);

// Makes the folder and the folders above it, private to the user.
Problem makeFolder(const QByteArray &folder);

// "it is a folder, not a file", ... for a path of another kind.
QString kindReason(mode_t mode);

// The writers' lock on "<file>.flock"; held until the object goes or
// release(). A writer waits at most a second for another copy.
class WriteLock {
public:
    WriteLock();
    ~WriteLock();
    WriteLock(const WriteLock &) = delete;
    WriteLock &operator=(const WriteLock &) = delete;
    Problem take(const QByteArray &path);
    void release();

private:
    int m_file = -1;
};

} // namespace settings::storefile
