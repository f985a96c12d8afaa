// The yardstick for the program's start-up: a bare Qt Widgets program that
// shows one empty window. Run with DEALWRIGHT_EXIT_AFTER_SHOW=1 it reports
// and ends exactly as the program does (bench/startup.sh runs both). With
// the argument --text the window holds one push button with a caption, which
// shows what merely drawing text costs (the font configuration).
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QPushButton>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <unistd.h>

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
                std::fprintf(stderr, "shown %.1f ms rss %ld kB\n", m_sinceStart.nsecsElapsed() / 1e6,
                             peakResidentKilobytes());
                std::fflush(stderr);
                _exit(0);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QElapsedTimer m_sinceStart;
};

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication application(argc, argv);
    if (!qEnvironmentVariableIsEmpty("DEALWRIGHT_EXIT_AFTER_SHOW"))
        application.installEventFilter(new FirstShowWatch(sinceStart));
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(536, 76);
    if (QCoreApplication::arguments().contains(QStringLiteral("--text"))) {
        auto *button = new QPushButton(QStringLiteral("New Method"), &window);
        button->setGeometry(8, 8, 520, 27);
    }
    window.show();
    return QApplication::exec();
}
