#include "app/DisplayGuard.h"

#include "shell/Language.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
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

void holdBack(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        // Qt gives up on its window system: nothing else can show.
        std::fprintf(stderr, "%s\n", noDisplayMessage().toLocal8Bit().constData());
        std::fflush(stderr);
        _exit(2);
    }
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
                                                  "cannot open the windows: no display can be reached "
                                                  "(DISPLAY or WAYLAND_DISPLAY); --batch, --help and --version "
                                                  "work without one"));
}

DisplayGuard::DisplayGuard()
{
    g_previous = qInstallMessageHandler(holdBack);
}

DisplayGuard::~DisplayGuard()
{
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
