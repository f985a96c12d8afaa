// Dealwright: the windows, or with --batch / --help / --version a run
// without any display.
#include "CommandLine.h"
#include "Program.h"
#include "Switches.h"
#include "shell/Platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <cstdio>

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

    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments.append(QString::fromLocal8Bit(argv[i]));

    QTextStream out(stdout);
    QTextStream err(stderr);

    if (app::runsWithoutDisplay(rawArguments)) {
        QCoreApplication core(argc, argv);
        nameTheProgram();
        shell::installQtPlatform();
        app::applyLoggingSwitch();
        return app::runHeadless(app::parseCommandLine(app::withoutWindowOptions(QCoreApplication::arguments())), out,
                                err);
    }

    QApplication application(argc, argv);
    nameTheProgram();
    QApplication::setQuitOnLastWindowClosed(false);
    shell::installQtPlatform();
    app::applyLoggingSwitch();

    // Qt has taken its own options; anything left over is an error.
    const app::CommandLine commandLine = app::parseCommandLine(QCoreApplication::arguments());
    if (commandLine.action != app::CommandLine::Action::Windows)
        return app::runHeadless(commandLine, out, err);

    app::applyExitAfterShowSwitch(sinceStart);
    app::Program program;
    program.start();
    if (shell::endRequested())
        return 0;
    return QApplication::exec();
}
