#include "Switches.h"

#include "shell/Messages.h"
#include "shell/Platform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QUrl>
#include <QWindow>

#include <cstdio>
#include <unistd.h>

namespace app {

namespace {

bool switchOn(const char *name)
{
    const QByteArray value = qgetenv(name);
    return !value.isEmpty() && value != "0";
}

QByteArray oneLine(const QString &text)
{
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" | "));
    line.replace(QLatin1Char('\r'), QLatin1String(" | "));
    line.replace(QLatin1Char('\n'), QLatin1String(" | "));
    return line.toLocal8Bit();
}

class LoggedMessages : public shell::MessageService {
public:
    void show(const shell::Message &message) override
    {
        std::fprintf(stderr, "message: [%s] %s\n", oneLine(message.caption).constData(), oneLine(message.text).constData());
        std::fflush(stderr);
    }
};

class LoggedFolders : public shell::FolderPicker {
public:
    QString browseForFolder(QWidget *, const QString &title, const QString &startFolder) override
    {
        std::fprintf(stderr, "folder dialog: [%s] %s (cancelled)\n", oneLine(title).constData(),
                     oneLine(startFolder).constData());
        std::fflush(stderr);
        return QString();
    }
};

class LoggedWeb : public shell::WebOpener {
public:
    void open(const QUrl &address) override
    {
        std::fprintf(stderr, "web: %s\n", address.toEncoded().constData());
        std::fflush(stderr);
    }
};

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

void applyLoggingSwitch()
{
    if (!switchOn("DEALWRIGHT_LOG_MESSAGES"))
        return;
    static LoggedMessages messages;
    static LoggedFolders folders;
    static LoggedWeb web;
    shell::Platform &services = shell::platform();
    services.messages = &messages;
    services.folders = &folders;
    services.web = &web;
}

void applyExitAfterShowSwitch(const QElapsedTimer &sinceStart)
{
    if (!switchOn("DEALWRIGHT_EXIT_AFTER_SHOW"))
        return;
    QCoreApplication::instance()->installEventFilter(new FirstShowWatch(sinceStart));
}

} // namespace app
