#pragma once
// The per-user settings store: the INI file "Marrowfen.ini" in the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config), section
// [Dealwright]. Keys are matched without regard to case. Every read opens
// and reads the file (another copy of the program may have written); every
// write is on disk when it returns and changes only its key's line. Values
// are text (IniText.h).
#include <QString>
#include <functional>
#include <optional>

namespace settings {

// The keys are the names of the controls whose values they keep.
namespace keys {
inline const QString Form3Start = QStringLiteral("Form3Start");
inline const QString Option1 = QStringLiteral("Option1");
inline const QString Option2 = QStringLiteral("Option2");
inline const QString Text2 = QStringLiteral("Text2");
inline const QString NumberOfCards = QStringLiteral("Number Of Cards");
inline const QString LastFolderDot = QStringLiteral("LastFolderDot");
// The card design the windows show and large card files are drawn in: an
// installed card deck's folder name, "" (or no key) for the built-in set.
// Written only when the user chooses from the menu.
inline const QString CardDesign = QStringLiteral("Card Design");
// Read only, never written: "0" turns off the occasional visit of the
// maker's web site at start-up (a user's choice, written by hand).
inline const QString WebVisit = QStringLiteral("Web Visit");
} // namespace keys

// The stored text, or the default when the key does not exist. A key that
// exists with an empty value is not missing. A missing file or folder gives
// the default; a file that cannot be read (not a regular file, no
// permission) throws shell::Failure.
QString read(const QString &key, const QString &defaultValue);
QString read(const QString &key, int defaultValue);
// The default is worked out only when the key is missing (the desktop
// folder may not be known at all).
QString read(const QString &key, const std::function<QString()> &makeDefault);
// The stored text, or nothing when the key does not exist.
std::optional<QString> find(const QString &key);

// Replaces the value (whatever the case of the stored key) and syncs it to
// disk. Throws shell::Failure when the store cannot be written.
void write(const QString &key, const QString &value);
// The same, only when the key does not exist yet: what a window's load
// stores when it fills a control, so that a stored value the user has not
// changed is never written back (it may not read back the same).
void writeIfMissing(const QString &key, const QString &value);

// A settings file larger than 1 MB is not read: reads give their defaults,
// writes leave it as it is, and the first read or write that meets it shows
// this message (once for the file at that size).
QString tooLargeMessage(const QString &path, qint64 size);

QString filePath();

// For tests: called during a write once the new file is complete on disk,
// just before it replaces the old one (nullptr: nothing is called).
using ReplaceHook = void (*)(const QString &newFile);
void setBeforeReplaceHook(ReplaceHook hook);

} // namespace settings
