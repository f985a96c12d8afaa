#pragma once
// Writes a set of files so that each one ends up either with its old
// content or with its whole new content, never cut off, and on disk once
// the batch is committed, without paying a full flush for every file:
//
//   FileBatch files;
//   files.stage(path, bytes);      // throws shell::Failure "path: reason"
//   ...
//   for (const QString &failure : files.commit()) ...
//
// stage() writes the bytes into a new temporary file beside the target
// (files/AtomicFile.h) and starts its write-back at once; commit() then waits for all of their data
// together, gives each its name (replacing whatever had that name: an old
// file, or a symbolic link, whose target is left alone) and syncs each
// folder once, which commits the file system's journal with one flush of
// the disk for the whole batch instead of one per file. Files that fail are
// reported one by one and the others are still written. A batch that is
// never committed leaves nothing behind, and the first file staged in a
// folder removes the temporaries that an export killed there left.
//
// Only this program's own files and folders are synced, never the whole
// file system.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace batch {

class FileBatch {
public:
    FileBatch();
    ~FileBatch();
    FileBatch(const FileBatch &) = delete;
    FileBatch &operator=(const FileBatch &) = delete;

    // Writes `bytes` for `path`. Throws shell::Failure naming the path once,
    // with the system's reason, when they cannot be written; nothing of
    // that file is left behind then.
    void stage(const QString &path, const QByteArray &bytes);
    // The same for a path given as the file system's bytes; `shownPath`
    // names it in messages and in written().
    void stage(const QByteArray &target, const QString &shownPath, const QByteArray &bytes);

    // Makes every staged file durable under its name. Returns one
    // description ("path: reason") per file that failed, in staging order;
    // the paths of the files written are in written().
    QStringList commit();
    const QStringList &written() const { return m_written; }

    // Writes one file the same way (stage and commit); throws on failure.
    static void writeOne(const QString &path, const QByteArray &bytes);

    struct Staged;

private:
    std::vector<std::unique_ptr<Staged>> m_staged;
    QStringList m_written;
    QList<QByteArray> m_cleanedFolders;
};

// The program has no use for the signal that a file-size limit raises: a
// write past the limit fails with "File too large" and is reported like
// any other failed write. Called by every write of a file.
void ignoreFileSizeSignal();

} // namespace batch
