#include "KeyboardMoves.h"

#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <limits>
#include <optional>

namespace shell {
namespace {

// The gap from `from` to `to` along the direction; nothing when `to` does
// not lie wholly beyond `from` that way.
std::optional<int> gapAlong(const QRect &from, const QRect &to, Direction direction)
{
    switch (direction) {
    case Direction::Up:
        return to.bottom() < from.top() ? std::optional<int>(from.top() - to.bottom()) : std::nullopt;
    case Direction::Down:
        return to.top() > from.bottom() ? std::optional<int>(to.top() - from.bottom()) : std::nullopt;
    case Direction::Left:
        return to.right() < from.left() ? std::optional<int>(from.left() - to.right()) : std::nullopt;
    case Direction::Right:
        return to.left() > from.right() ? std::optional<int>(to.left() - from.right()) : std::nullopt;
    }
    return std::nullopt;
}

// How far apart the two are across the direction (0 where they overlap).
int gapAcross(const QRect &from, const QRect &to, Direction direction)
{
    const bool vertical = direction == Direction::Up || direction == Direction::Down;
    const int fromLow = vertical ? from.left() : from.top();
    const int fromHigh = vertical ? from.right() : from.bottom();
    const int toLow = vertical ? to.left() : to.top();
    const int toHigh = vertical ? to.right() : to.bottom();
    return std::max({0, toLow - fromHigh, fromLow - toHigh});
}

std::optional<Direction> directionOf(int key)
{
    switch (key) {
    case Qt::Key_Up:
        return Direction::Up;
    case Qt::Key_Down:
        return Direction::Down;
    case Qt::Key_Left:
        return Direction::Left;
    case Qt::Key_Right:
        return Direction::Right;
    default:
        return std::nullopt;
    }
}

class SightMoves : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const std::optional<Direction> direction = directionOf(key->key());
        if (!direction || key->modifiers() & ~Qt::KeypadModifier)
            return false;
        auto *button = static_cast<QWidget *>(watched);
        QWidget *window = button->window();
        QList<QWidget *> reachable;
        QList<QRect> places;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (w == button || !w->isVisibleTo(window) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
                continue;
            if (w->focusProxy())
                continue;
            reachable.append(w);
            places.append(QRect(w->mapTo(window, QPoint(0, 0)), w->size()));
        }
        const QRect from(button->mapTo(window, QPoint(0, 0)), button->size());
        const int nearest = nearestInDirection(from, places, *direction);
        if (nearest >= 0)
            reachable[nearest]->setFocus(Qt::TabFocusReason);
        // With nothing that way the key does nothing (no move along the
        // Tab order to a control elsewhere).
        return true;
    }
};

} // namespace

int nearestInDirection(const QRect &from, const QList<QRect> &candidates, Direction direction)
{
    int best = -1;
    long bestDistance = std::numeric_limits<long>::max();
    for (int i = 0; i < candidates.size(); ++i) {
        const std::optional<int> along = gapAlong(from, candidates[i], direction);
        if (!along)
            continue;
        const long distance = long(*along) + 2L * gapAcross(from, candidates[i], direction);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

void moveFocusBySight(QWidget *button)
{
    button->installEventFilter(new SightMoves(button));
}

} // namespace shell
