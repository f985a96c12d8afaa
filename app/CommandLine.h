#pragma once
// The command line: --help, --version and the headless batch
// "--batch COUNT --out FOLDER", which draws COUNT distinct cards by the batch
// generator's rules and saves them as "Card N.bmp" files without any window.
#include <QString>
#include <QStringList>

class QTextStream;

namespace app {

// Exit statuses of a headless run.
enum ExitStatus { ExitOk = 0, ExitFileFailed = 1, ExitUsage = 2 };

struct CommandLine {
    enum class Action { Windows, Help, Version, Batch, Error };
    Action action = Action::Windows;
    QString count;   // --batch
    QString folder;  // --out
    QString error;   // Action::Error: what was wrong
};

// Decided before any application object exists: true when the arguments ask
// for something that needs no display (help, version, the batch, or an
// argument the windows do not understand, whose error must reach the
// terminal even without a display). Qt's own window options (-platform,
// -style, ...) keep the windows.
bool runsWithoutDisplay(const QStringList &arguments);

// The arguments without Qt's own window options and their values, which
// mean nothing to a run without windows.
QStringList withoutWindowOptions(const QStringList &arguments);

// Parses the arguments (the first one is the program); needs the
// application object for the program's name and version.
CommandLine parseCommandLine(const QStringList &arguments);
QString helpText();
QString versionText();

// The headless batch: checks the count and the folder, draws the cards,
// writes one file per card and prints one line per card written
// ("Card N", the card's name, the file path, separated by tabs). A file that
// fails is reported on `err` with its reason; the others are still written.
int runBatch(const QString &count, const QString &folder, QTextStream &out, QTextStream &err);

// Everything but Action::Windows: prints and returns the exit status.
int runHeadless(const CommandLine &commandLine, QTextStream &out, QTextStream &err);

} // namespace app
