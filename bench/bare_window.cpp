// The yardstick for the program's start-up: a bare Qt Widgets program that
// shows one window of the chooser's size. Run with
// DEALWRIGHT_EXIT_AFTER_SHOW=1 it reports and ends exactly as the program
// does (bench/startup.sh runs both). With the argument --text the window
// holds the chooser's two captioned buttons in its font, placed where
// the chooser has them: the floor for any window that shows text (the
// font configuration and the font itself are loaded).
#include "shell/StartupProbe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
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
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(11.25);
        font.setBold(true);
        int top = 8;
        for (const char *caption : {"New Method", "Old Method"}) {
            auto *button = new QPushButton(QString::fromLatin1(caption), &window);
            button->setFont(font);
            button->setGeometry(8, top, 520, 27);
            top += 34;
        }
    }
    window.show();
    return QApplication::exec();
}
