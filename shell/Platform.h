#pragma once
// The seams through which the program reaches anything that blocks, ends the
// program or depends on chance: message boxes, the folder dialog, the save
// dialog, the web browser (and the desktop's help viewer), ending the
// program, the clock and the operating system's entropy.
// The program installs the Qt implementations once at start-up
// (installQtPlatform); tests install recording ones.
#include <QString>
#include <cstddef>
#include <memory>

class QMessageBox;
class QWidget;
class QUrl;

namespace shell {

class MessageService;

class FolderPicker {
public:
    virtual ~FolderPicker() = default;
    // Modal folder dialog owned by `owner`; returns the chosen folder without
    // a trailing separator (except for the root), or "" on cancel.
    virtual QString browseForFolder(QWidget *owner, const QString &title, const QString &startFolder) = 0;
};

class FileSaver {
public:
    virtual ~FileSaver() = default;
    // The desktop's modal save dialog owned by `owner`, opened at
    // `suggested` (a folder and a file name) and showing the files that
    // match `filter` ("CSV files (*.csv)"); it asks before replacing a file.
    // Returns the chosen path, or "" on cancel.
    virtual QString saveFileName(QWidget *owner, const QString &title, const QString &suggested,
                                 const QString &filter) = 0;
};

class WebOpener {
public:
    virtual ~WebOpener() = default;
    // Hands the address to the desktop: a web address to its browser,
    // another one (the manual page "man:dealwright(1)") to the program the
    // desktop has for its scheme. Throws shell::Failure when nothing can
    // open it.
    virtual void open(const QUrl &address) = 0;
};

class ProgramEnder {
public:
    virtual ~ProgramEnder() = default;
    // Ends the program at once: every window closes, nothing else runs.
    virtual void endProgram() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with their fraction.
    virtual double secondsSinceMidnight() = 0;
};

class Entropy {
public:
    virtual ~Entropy() = default;
    // Fills the buffer with unpredictable bytes from the operating system.
    virtual void fill(unsigned char *buffer, std::size_t size) = 0;
};

struct Message;
// The modal box that the real message service shows (not yet shown):
// OK button, the message's icon and caption, its text as plain text.
std::unique_ptr<QMessageBox> buildMessageBox(const Message &message, QWidget *owner);

// The folder dialog's rules: it opens at the start folder only when that
// exists (else at its default); the chosen path comes back without a
// trailing separator, except for the root, and "" stays "" (cancel).
QString pickerStartFolder(const QString &startFolder);
// Where the dialog opens without a start folder: the desktop, as the
// system's folder dialog does, or the home folder where there is none (not
// the program's working folder).
QString pickerDefaultFolder();
QString pickedFolderPath(const QString &chosen);

// True when the desktop has a program for addresses of `scheme` ("man"):
// a desktop entry named for "x-scheme-handler/<scheme>" in a mimeapps.list
// of the configuration folders or in an applications/mimeinfo.cache of
// the data folders (XDG base directories), and not removed again in a
// mimeapps.list. Web and file addresses always have one.
bool desktopOpensScheme(const QString &scheme);

struct Platform {
    MessageService *messages = nullptr;
    FolderPicker *folders = nullptr;
    WebOpener *web = nullptr;
    ProgramEnder *ender = nullptr;
    Clock *clock = nullptr;
    Entropy *entropy = nullptr;
    FileSaver *saver = nullptr;
};

// The services in force. Never null once installQtPlatform (or a test's
// replacement) has run.
Platform &platform();

// Installs the real Qt services (idempotent). Call once, right after the
// QApplication exists.
void installQtPlatform();

// True once endProgram has been asked for; long-running procedures that
// process events (the batch generation) stop at their next check.
bool endRequested();
void setEndRequested(bool requested);

} // namespace shell
