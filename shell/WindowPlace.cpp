#include "WindowPlace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <optional>

namespace shell {
namespace {

// Watches one window's showing and hiding.
class WindowPlace : public QObject {
public:
    explicit WindowPlace(QWidget *window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        // A window's own showing and hiding, not the desktop's
        // (minimising and restoring are spontaneous and keep the place).
        if (event->type() == QEvent::Show && !event->spontaneous())
            place();
        else if (event->type() == QEvent::Hide && !event->spontaneous())
            m_left = m_window->geometry().topLeft();
        return false;
    }

private:
    // Places the window's client area, not its frame: the frame's margins
    // are known only once a window manager has framed the window (and are
    // sometimes read while it is still doing so), while the client area's
    // place is the window system's own and comes back exactly.
    void place()
    {
        // A window shown full screen or maximised covers its screen.
        if (m_window->windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized))
            return;
        if (!m_left) {
            const QScreen *screen = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
            if (!screen)
                return;
            m_left = centredPosition(screen->availableGeometry(), m_window->size());
        }
        m_window->setGeometry(QRect(*m_left, m_window->size()));
    }

    QPointer<QWidget> m_window;
    std::optional<QPoint> m_left;
};

} // namespace

QPoint centredPosition(const QRect &available, const QSize &size)
{
    return QPoint(available.x() + (available.width() - size.width()) / 2,
                  available.y() + (available.height() - size.height()) / 2);
}

void keepWindowPlace(QWidget *window)
{
    window->installEventFilter(new WindowPlace(window));
}

void fixWindowSize(QWidget *window)
{
    window->setFixedSize(window->size());
    Qt::WindowFlags flags = window->windowFlags();
    flags |= Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
             | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    flags &= ~Qt::WindowMaximizeButtonHint;
    window->setWindowFlags(flags);
}

} // namespace shell
