#pragma once
// Helpers of the whole-program tests: the settings file as the next start
// will find it, the program's windows by name, and one simulated start of
// the program (a fresh set of windows, the draw state as at program start).
#include "app/ChooserWindow.h"
#include "app/Program.h"
#include "cards/DrawState.h"
#include "settings/IniText.h"
#include "shell/Platform.h"

#include <QApplication>
#include <QFile>
#include <QWidget>
#include <memory>

namespace apptest {

inline QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The stored value as the file holds it now, or a null string when the key
// does not exist. (Read afresh each time: QSettings would serve a cached
// copy of a file replaced within the same second at the same size.)
inline QString stored(const QString &settingsFile, const QString &key)
{
    return settings::ini::value(bytesOf(settingsFile), u"Dealwright", key).value_or(QString());
}

inline void store(const QString &settingsFile, const QString &key, const QString &value)
{
    QFile file(settingsFile);
    const QByteArray updated = settings::ini::withValue(bytesOf(settingsFile), u"Dealwright", key, value);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(updated) != updated.size())
        qFatal("cannot write %s", qPrintable(settingsFile));
}

// A top-level window of the program by its object name (Form1 ... Form4).
inline QWidget *window(const QString &objectName)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == objectName)
            return w;
    }
    return nullptr;
}

inline bool showing(const QString &objectName)
{
    QWidget *w = window(objectName);
    return w && w->isVisible();
}

// Counts the times a widget is shown, from before the program starts.
class ShowCounter : public QObject {
public:
    int shows = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return QObject::eventFilter(watched, event);
    }
};

// One start of the program: the module state as a new process has it, a
// new set of windows, and the start-up sequence. The chooser's shows
// are counted from its creation on.
struct Start {
    Start()
    {
        cards::state() = cards::DrawState{};
        shell::setEndRequested(false);
        program = std::make_unique<app::Program>();
        program->chooser().installEventFilter(&mainShows);
        program->start();
    }
    ~Start()
    {
        program.reset();
        cards::state() = cards::DrawState{};
    }
    app::ChooserWindow &chooser() { return program->chooser(); }

    ShowCounter mainShows;
    std::unique_ptr<app::Program> program;
};

} // namespace apptest
