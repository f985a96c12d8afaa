#include "app/DisplayGuard.h"

#include "shell/Language.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace app {
namespace {

struct Held {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QList<Held> &held()
{
    static QList<Held> messages;
    return messages;
}

QtMessageHandler g_previous = nullptr;
// Standard error while the guard keeps what is written to it (-1: not kept).
int g_standardError = -1;

// Standard error is itself again; returns what was written meanwhile.
QByteArray restoreStandardError()
{
    QByteArray written;
    if (g_standardError < 0)
        return written;
    std::fflush(stderr);
    const off_t size = ::lseek(STDERR_FILENO, 0, SEEK_CUR);
    if (size > 0 && ::lseek(STDERR_FILENO, 0, SEEK_SET) == 0) {
        written.resize(qsizetype(size));
        const ssize_t got = ::read(STDERR_FILENO, written.data(), size_t(size));
        written.resize(got > 0 ? qsizetype(got) : 0);
    }
    ::dup2(g_standardError, STDERR_FILENO);
    ::close(g_standardError);
    g_standardError = -1;
    return written;
}

[[noreturn]] void endWithoutWindows(const QString &line)
{
    restoreStandardError();
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    _exit(2);
}

void holdBack(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Qt gives up on its window system: nothing else can show.
    if (type == QtFatalMsg)
        endWithoutWindows(noDisplayMessage());
    held().append({type, QByteArray(context.category ? context.category : ""), text});
}

} // namespace

QString noDisplayMessage()
{
    // Said while the application object is being made: its translations
    // are not in force yet.
    return QStringLiteral("dealwright: ")
        + shell::translateEarly("app::DisplayGuard",
                                QT_TRANSLATE_NOOP("app::DisplayGuard",
                                                  "cannot open the windows: no display or screen can be reached "
                                                  "(DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help "
                                                  "and --version work without one"));
}

DisplayGuard::DisplayGuard()
{
    g_previous = qInstallMessageHandler(holdBack);
    // What the window system's libraries write straight to standard error
    // goes into a file in memory meanwhile.
    const int kept = ::memfd_create("dealwright-stderr", MFD_CLOEXEC);
    if (kept < 0)
        return;
    std::fflush(stderr);
    g_standardError = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    if (g_standardError < 0 || ::dup2(kept, STDERR_FILENO) < 0) {
        if (g_standardError >= 0)
            ::close(g_standardError);
        g_standardError = -1;
    }
    ::close(kept);
}

void DisplayGuard::requireScreen()
{
    if (QGuiApplication::screens().isEmpty())
        endWithoutWindows(noDisplayMessage());
}

DisplayGuard::~DisplayGuard()
{
    const QByteArray written = restoreStandardError();
    if (!written.isEmpty()) {
        std::fwrite(written.constData(), 1, size_t(written.size()), stderr);
        std::fflush(stderr);
    }
    qInstallMessageHandler(g_previous);
    for (const Held &message : held()) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         message.category.isEmpty() ? nullptr : message.category.constData());
        if (g_previous)
            g_previous(message.type, context, message.text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
    }
    held().clear();
}

} // namespace app
