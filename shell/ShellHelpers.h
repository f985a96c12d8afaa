#pragma once
// Small helpers shared by every window: special folders, existence tests,
// the look of the windows, the application title and the occasional visit
// of the maker's web site.
#include <QString>
#include <optional>

class QWidget;
class QIcon;

namespace shell {

inline const QString ProductName = QStringLiteral("Dealwright");
inline const QString SkinFileName = QStringLiteral("x/o.cjs");
inline const QString HandCursorFileName = QStringLiteral("HAND-M.CUR");

// Folder ids understood by specialFolderPath.
constexpr int DesktopFolderId = 0;

// The path of a special folder, or "" when the platform knows none.
QString specialFolderPath(int folderId);

// The desktop folder with exactly one trailing separator; the home folder
// stands in where the account has no desktop folder. Throws Failure when the
// platform gives no path at all.
QString desktopFolder();

// True when the path names an existing file or folder. Never fails.
bool fileExists(const QString &path);

// True for a folder, false for anything else that exists, empty when the
// path cannot be examined. Never fails.
std::optional<bool> isFolder(const QString &path);

// The folder of the program file, without a trailing separator. The
// environment variable DEALWRIGHT_PROGRAM_DIR overrides it (tests).
QString programFolder();
// programFolder() + separator + relative name (the name may hold '/').
QString programFilePath(const QString &name);

// Applies the skin file (a Qt style sheet beside the program) to the main
// window; a missing or hidden file changes nothing. Throws Failure for a
// skin file that exists but cannot be read.
void applySkin(QWidget *mainWindow);

// The system button-face colour on the window and its option buttons, check
// boxes, frames and labels, with the system's button text on it.
void applyWindowColours(QWidget *window);
// A label's background white (red, green and blue 255), its text black; in
// a dark palette the palette's field colour with its text.
void setWhiteLabelBackground(QWidget *label);

// Sets the application title from the product name by the cut rule:
// drop the last word at least once, until at most 40 characters remain; a
// name without blanks stays whole.
QString appTitleFor(const QString &productName);
void setAppTitle(const QString &productName = ProductName);
// The caption of every message box without a caption of its own.
QString appTitle();

// One start in a hundred opens the maker's web site (through the web seam).
// Returns true when it did.
bool maybeOpenWebSite();

// The program's common window icon.
QIcon programIcon();
// Every window's caption and icon: "Dealwright" and the program icon.
void setCaptionAndIcon(QWidget *window);
// Where the hand pointer file lies: beside the program.
QString handCursorPath();

} // namespace shell
