// Dealwright: the windows, or with --batch / --help / --version /
// --list-designs a run without any display.
#include "app/Arguments.h"
#include "app/CommandLine.h"
#include "app/DesignOption.h"
#include "app/DisplayGuard.h"
#include "app/Program.h"
#include "app/Switches.h"
#include "batch/FileBatch.h"
#include "files/Interrupts.h"
#include "shell/Language.h"
#include "shell/Platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

void nameTheProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("dealwright"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DEALWRIGHT_VERSION));
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();

    // The arguments' bytes, kept exactly (app/Arguments.h): a byte-order
    // mark stays a character, a byte that is not UTF-8 stays that byte.
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments.append(app::argumentText(argv[i]));
    // A file-size limit makes a write fail with its reason, not end the program.
    batch::ignoreFileSizeSignal();
    // Ended by Ctrl+C, a kill or a closed terminal, the program removes the
    // temporaries of the files it was writing before it goes.
    files::removeTemporariesOnSignals();

    QTextStream out(stdout);
    QTextStream err(stderr);

    // The user's language, read before any application object exists so
    // that even "no display" is said in it.
    shell::loadUserLanguage();

    if (app::runsWithoutDisplay(rawArguments)) {
        QCoreApplication core(argc, argv);
        shell::installLanguage();
        nameTheProgram();
        shell::installQtPlatform();
        app::applyLoggingSwitch();
        return app::runHeadless(app::parseCommandLine(app::withoutWindowOptions(rawArguments)), out, err);
    }

    std::optional<app::DisplayGuard> guard(std::in_place);
    QApplication application(argc, argv);
    guard->requireScreen();
    guard.reset();
    shell::installLanguage();
    nameTheProgram();
    QApplication::setQuitOnLastWindowClosed(false);
    shell::installQtPlatform();
    app::applyLoggingSwitch();

    // Qt has taken its own options; anything left over is an error.
    const app::CommandLine commandLine = app::parseCommandLine(QCoreApplication::arguments());
    if (commandLine.action != app::CommandLine::Action::Windows)
        return app::runHeadless(commandLine, out, err);
    // The windows in the card design named, for this run: an unknown one
    // ends the program before any window shows.
    if (commandLine.design) {
        const int status = app::useDesignOption(*commandLine.design, err);
        if (status != app::ExitOk)
            return status;
    }

    app::applyExitAfterShowSwitch(sinceStart);
    app::Program program;
    program.start();
    if (shell::endRequested())
        return 0;
    return QApplication::exec();
}
