#include "menus/HelpMenu.h"

#include "menus/ManualWindow.h"
#include "menus/MenuBar.h"
#include "shell/ErrorReport.h"
#include "shell/Messages.h"
#include "shell/Platform.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QUrl>
#include <QWidget>

namespace menus {

void fillHelpMenu(QMenu *menu, QWidget *window)
{
    QAction *manual = addEntry(menu, "manualEntry", QCoreApplication::translate("Menus", "&Manual"),
                               QKeySequence(Qt::Key_F1));
    QObject::connect(manual, &QAction::triggered, window, [window] { shell::safely([&] { showManual(window); }); });
    menu->addSeparator();
    QAction *about = addEntry(menu, "aboutEntry", QCoreApplication::translate("Menus", "&About Dealwright"));
    QObject::connect(about, &QAction::triggered, window, [] { shell::safely([] { showAbout(); }); });
    QAction *aboutQt = addEntry(menu, "aboutQtEntry", QCoreApplication::translate("Menus", "About &Qt"));
    QObject::connect(aboutQt, &QAction::triggered, window, [window] { shell::safely([&] { showAboutQt(window); }); });
}

void showManual(QWidget *window)
{
    try {
        shell::platform().web->open(QUrl(ManualAddress));
    } catch (const shell::Failure &) {
        // No help viewer (or no desktop) for manual pages: the program's own
        // copy of the page.
        ManualWindow::showFor(window);
    }
}

QString aboutText()
{
    return QCoreApplication::translate("Menus",
                                       "Dealwright %1\n\n"
                                       "Draws random playing cards, one at a time or as a batch, and shows a class "
                                       "what a draw means: its tally beside what chance gives.\n\n"
                                       "Released under the MIT licence.\n"
                                       "%2\n\n"
                                       "The Dealwright authors")
        .arg(QStringLiteral(DEALWRIGHT_VERSION), QString::fromLatin1(shell::WebSiteAddress));
}

void showAbout()
{
    shell::platform().messages->show(
        shell::Message{aboutText(), QCoreApplication::translate("Menus", "About Dealwright"), shell::MessageIcon::None, {}});
}

void showAboutQt(QWidget *window)
{
    shell::platform().messages->showAboutQt(window);
}

} // namespace menus
