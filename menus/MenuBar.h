#pragma once
// The menu bar of a window laid out in twips: the bar across the top and,
// below it, the designed client area (the body), in which the window's
// controls keep their designed places in twips. The window is as large as
// both: it grows by the bar's height. The bar is the window's own, never
// the desktop's global menu, so that it is where the window shows it.
#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace menus {

struct MenuBarFrame {
    QMenuBar *bar = nullptr;
    QWidget *body = nullptr;
    QMenu *file = nullptr;  // "File"
    QMenu *view = nullptr;  // "View": out of the bar for as long as it has no entry
    QMenu *help = nullptr;  // "Help", filled (menus/HelpMenu.h)
};

// Gives `window` its menu bar with File, View and Help, and the body of
// `clientWidth` x `clientHeight` twips below it (object name "body"). The
// window's size is fixed at the bar's height plus the body's.
MenuBarFrame addMenuBar(QWidget *window, int clientWidth, int clientHeight);

// A menu entry: its text with its mnemonic ("&Close"), which screen
// readers read without the "&", its object name, and a shortcut if any.
QAction *addEntry(QMenu *menu, const char *objectName, const QString &text,
                  const QKeySequence &shortcut = QKeySequence());

// Keeps `menu` out of its menu bar while it has no entry, and shows it as
// soon as one is added.
void hideWhileEmpty(QMenu *menu);

} // namespace menus
