#pragma once
// The arrow keys on a push button move the focus to the control that lies
// in the arrow's direction on the screen. Qt would move it along the Tab
// order instead, which can lead to a control the user does not see that
// way (from the batch window's Start button, Down went up into the count
// box, where the next Space replaced the count).
#include <QList>
#include <QRect>

class QWidget;

namespace shell {

enum class Direction { Up, Down, Left, Right };

// Of the candidates (rectangles in one coordinate system), the nearest one
// lying wholly beyond `from` in `direction`: the gap along the direction
// counts, and twice the distance across it beyond where the two overlap.
// -1 when none lies that way.
int nearestInDirection(const QRect &from, const QList<QRect> &candidates, Direction direction);

// Installs the arrow keys' moves on a push button of a window: to the
// nearest enabled, visible control of the same window that takes the focus
// with Tab. An arrow with no control that way does nothing.
void moveFocusBySight(QWidget *button);

} // namespace shell
