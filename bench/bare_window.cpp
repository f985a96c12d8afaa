// The yardstick for the program's start-up: a bare Qt Widgets program that
// shows one empty window. Run with DEALWRIGHT_EXIT_AFTER_SHOW=1 it reports
// and ends exactly as the program does (bench/startup.sh runs both). With
// the argument --text the window holds one push button with a caption, which
// shows what merely drawing text costs (the font configuration).
#include "shell/StartupProbe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication application(argc, argv);
    if (!qEnvironmentVariableIsEmpty("DEALWRIGHT_EXIT_AFTER_SHOW"))
        shell::exitWhenFirstShown(sinceStart);
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
