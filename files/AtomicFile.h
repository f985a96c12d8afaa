#pragma once
// Files replaced whole: the one way the program, and its art generator, put
// a file on disk. A new file is written under a hidden temporary name beside
// its target, its data is synced, and it is renamed over the target; then
// the folder is synced, which makes the new name last. A crash or a power
// cut leaves the old file or the whole new one, never a cut-off file.
//
//   files::StagedFile file(target);    // the temporary, locked, in the target's folder
//   file.write(bytes);
//   file.waitForData();                // (or startWriteBack() now, waitForData() later)
//   file.commit();                     // renamed over the target
//   file.syncFolder();
//
// A staged file that is never committed is removed when it goes.
//
// Temporaries are named ".<target name>.<random>.dealwright-tmp" and hold an
// flock() for as long as their writer has them open: a temporary of that
// pattern whose lock can be taken was left by a writer that is gone (killed,
// crashed, power cut). A program ended by SIGINT, SIGTERM or SIGHUP removes
// its temporaries itself (Interrupts.h).
//
// Paths are the file system's bytes (QFile::encodeName), so that a name in
// any encoding is kept as it is. Failures throw files::Error.
#include <QByteArray>
#include <QString>
#include <system_error>
#include <sys/types.h>

namespace files {

// A failed file operation: the system's error number and the path it
// concerns. what() is "path: reason".
class Error : public std::system_error {
public:
    Error(int code, const QByteArray &path);
    int errorNumber() const { return code().value(); }
    QByteArray path() const { return m_path; }
    // The system's reason alone ("Permission denied").
    QString reason() const;

private:
    QByteArray m_path;
};

// The system's text for an error number.
QString errorText(int code);

// The folder part of a path ("." for a bare name, "/" for the root).
QByteArray folderOf(const QByteArray &path);

class StagedFile {
public:
    struct Options {
        // Permission bits of a new file, before the umask applies.
        mode_t newFileMode = 0666;
        // A regular file under the target name keeps its permission bits,
        // without the set-user-ID, set-group-ID and sticky bits, which a
        // program replacing a file has no business passing on.
        bool keepOldMode = true;
        // ... and its owner and group, where the system allows.
        bool keepOldOwner = false;
    };

    // Opens the target's folder and creates the temporary beside the
    // target. Refuses a target that is a folder. A symbolic link under the
    // target name is replaced by the new file, not followed.
    explicit StagedFile(const QByteArray &target);
    StagedFile(const QByteArray &target, const Options &options);
    ~StagedFile();
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    // Appends the bytes to the temporary.
    void write(const QByteArray &bytes);
    // Starts writing the data out to the disk without waiting (Linux);
    // elsewhere nothing happens until waitForData().
    void startWriteBack();
    // Returns once the data is written out to the disk, without a flush of
    // the disk's own cache on Linux: the folder's sync after the commit,
    // whose journal commit flushes that cache, brings it there.
    void waitForData();
    // Returns once the data is on the disk, its cache flushed.
    void syncData();
    // Renames the temporary over the target (relative to the folder opened
    // at the start, so a folder renamed meanwhile still gets its file).
    void commit();
    // Make the folder's entries durable: 0, or the system's error number.
    // syncFolder() falls back on syncing the committed file itself where
    // the file system cannot sync a folder (EINVAL).
    int syncFolder() const;
    int syncFolderOnly() const;
    int syncItself() const;

    const QByteArray &target() const { return m_target; }
    QByteArray temporaryPath() const;
    bool committed() const { return m_committed; }
    // The folder held open, and its identity, so that several files of one
    // folder can share one sync.
    int folder() const { return m_folder; }
    dev_t folderDevice() const { return m_device; }
    ino_t folderInode() const { return m_inode; }

private:
    void open(const Options &options);
    void removeTemporary();

    QByteArray m_target;
    QByteArray m_name;       // the target's name inside its folder
    QByteArray m_temporary;  // the temporary's name inside the folder
    int m_folder = -1;
    int m_file = -1;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    bool m_committed = false;
    int m_note = -1;  // its place among the temporaries removed on a signal (Interrupts.h)
};

// Writes one whole file (stage, write, wait, commit, sync the folder).
void writeWhole(const QByteArray &target, const QByteArray &bytes,
                const StagedFile::Options &options = StagedFile::Options());

// True for a name of the temporaries' pattern (".<name>.<random>.dealwright-tmp").
bool isTemporaryName(const QByteArray &name);

// Removes the temporaries in `folder` whose writer is gone (their lock can
// be taken), only those of `targetName` when one is given. Nothing else is
// touched; a temporary in use by a live writer stays. Returns how many
// were removed.
int removeStaleTemporaries(const QByteArray &folder, const QByteArray &targetName = QByteArray());

} // namespace files
