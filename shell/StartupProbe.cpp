#include "StartupProbe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QWindow>

#include <cstdio>
#include <unistd.h>

namespace shell {
namespace {

long peakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

class FirstShowWatch : public QObject {
public:
    explicit FirstShowWatch(const QElapsedTimer &sinceStart) : m_sinceStart(sinceStart) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isExposed()) {
                // The window handles its expose first: it paints its first
                // frame and hands it to the window system. The time taken
                // is that of a window the user can see.
                removeEventFilterOnce();
                static_cast<QObject *>(window)->event(event);
                // The same line in every locale (no decimal comma): scripts read it.
                const QByteArray line = QByteArrayLiteral("shown ")
                    + QByteArray::number(m_sinceStart.nsecsElapsed() / 1e6, 'f', 1) + QByteArrayLiteral(" ms rss ")
                    + QByteArray::number(qlonglong(peakResidentKilobytes())) + QByteArrayLiteral(" kB\n");
                std::fputs(line.constData(), stderr);
                std::fflush(stderr);
                _exit(0);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void removeEventFilterOnce() { QCoreApplication::instance()->removeEventFilter(this); }
    QElapsedTimer m_sinceStart;
};

} // namespace

void exitWhenFirstShown(const QElapsedTimer &sinceStart)
{
    QCoreApplication::instance()->installEventFilter(new FirstShowWatch(sinceStart));
}

} // namespace shell
