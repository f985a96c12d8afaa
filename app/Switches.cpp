#include "app/Switches.h"

#include "shell/Messages.h"
#include "shell/Platform.h"
#include "shell/StartupProbe.h"

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
    void showAboutQt(QWidget *) override
    {
        std::fprintf(stderr, "message: [About Qt]\n");
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

class LoggedSaver : public shell::FileSaver {
public:
    QString saveFileName(QWidget *, const QString &title, const QString &suggested, const QString &) override
    {
        std::fprintf(stderr, "save dialog: [%s] %s (cancelled)\n", oneLine(title).constData(),
                     oneLine(suggested).constData());
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

} // namespace

void applyLoggingSwitch()
{
    if (!switchOn("DEALWRIGHT_LOG_MESSAGES"))
        return;
    static LoggedMessages messages;
    static LoggedFolders folders;
    static LoggedWeb web;
    static LoggedSaver saver;
    shell::Platform &services = shell::platform();
    services = shell::Platform{&messages, &folders, &web, services.ender, services.clock, services.entropy, &saver};
}

void applyExitAfterShowSwitch(const QElapsedTimer &sinceStart)
{
    if (!switchOn("DEALWRIGHT_EXIT_AFTER_SHOW"))
        return;
    shell::exitWhenFirstShown(sinceStart);
}

} // namespace app
