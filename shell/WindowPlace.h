#pragma once
// How the program's windows sit on the desktop. A window opens centred on
// its screen the first time it is shown and comes back where the user left
// it whenever it is shown again after being hidden, with a window manager
// (which would otherwise place it anew at each showing) and without one
// (where it would sit in the screen's corner). A window whose layout is
// fixed keeps its size: it cannot be resized and offers no maximise.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace shell {

// Where a window of `size` stands centred in the screen's available area.
QPoint centredPosition(const QRect &available, const QSize &size);

// Installs the placement on a top-level window (once, in its constructor).
void keepWindowPlace(QWidget *window);

// Fixes the window at its present size (the designed size at the window's
// scale) and takes away the maximise button.
void fixWindowSize(QWidget *window);

} // namespace shell
