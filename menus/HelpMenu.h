#pragma once
// The Help menu of every window with a menu bar, and of the chooser's
// context menu: "Manual" (F1), "About Dealwright" and "About Qt".
//
// The manual is the manual page, handed to the desktop as
// "man:dealwright(1)" (its help viewer opens it); where the desktop cannot
// open it, a window of the program shows the same text, which the program
// carries (the page rendered as text when the program is built).
#include <QString>

class QMenu;
class QWidget;

namespace menus {

// The address of the manual page for the desktop's help viewer.
inline const QString ManualAddress = QStringLiteral("man:dealwright(1)");

// Adds the three entries (object names "manualEntry", "aboutEntry",
// "aboutQtEntry") to `menu`; they act for `window`.
void fillHelpMenu(QMenu *menu, QWidget *window);

// F1: the manual through the desktop, or the manual window.
void showManual(QWidget *window);
// The About box: the name, the version, what the program does, the
// licence, the web address and its authors, in a message box.
void showAbout();
QString aboutText();
// Qt's own About box.
void showAboutQt(QWidget *window);

} // namespace menus
