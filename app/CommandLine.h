#pragma once
// The command line: --help, --version, --list-designs and the headless
// batch "--batch COUNT --out FOLDER [--format bmp|png] [--height PIXELS]
// [--design NAME]", which draws COUNT distinct cards by the batch window's
// rules and saves them as "Card N.bmp" (or .png) files without any window.
// "--design NAME" alone opens the windows in that card design.
#include <QString>
#include <QStringList>
#include <optional>

class QTextStream;

namespace app {

// Exit statuses of a headless run.
enum ExitStatus { ExitOk = 0, ExitFileFailed = 1, ExitUsage = 2 };

struct CommandLine {
    enum class Action { Windows, Help, Version, Batch, ListDesigns, Error };
    Action action = Action::Windows;
    QString count;   // --batch
    QString folder;  // --out
    QString format = QStringLiteral("bmp");  // --format
    QString height = QStringLiteral("96");   // --height
    std::optional<QString> design;           // --design, when given
    QString error;   // Action::Error: what was wrong
};

// Decided before any application object exists: true when the arguments ask
// for something that needs no display (help, version, the batch, or an
// argument the windows do not understand, whose error must reach the
// terminal even without a display). Qt's own window options (-platform,
// -style, ...) keep the windows, and so does "--" (the end of the options)
// with nothing after it.
bool runsWithoutDisplay(const QStringList &arguments);

// The arguments without Qt's own window options and their values, which
// mean nothing to a run without windows.
QStringList withoutWindowOptions(const QStringList &arguments);

// Parses the arguments (the first one is the program); needs the
// application object for the program's name and version.
CommandLine parseCommandLine(const QStringList &arguments);
QString helpText();
QString versionText();

// The headless batch: checks the count, the folder, the format ("bmp" or
// "png"), the height (96 to 4320 pixels) and the design, draws the cards,
// writes one file per card and prints one line per card written ("Card N",
// the card's name, the file path, separated by tabs). A file that fails is
// reported on `err` with its reason; the others are still written. Cards
// above 96 pixels are drawn in `design` (a deck's folder name, or
// "dealwright"), else in the design the settings keep.
int runBatch(const QString &count, const QString &folder, QTextStream &out, QTextStream &err,
             const QString &format = QStringLiteral("bmp"), const QString &height = QStringLiteral("96"),
             const std::optional<QString> &design = std::nullopt);

// Everything but Action::Windows: prints and returns the exit status.
int runHeadless(const CommandLine &commandLine, QTextStream &out, QTextStream &err);

} // namespace app
