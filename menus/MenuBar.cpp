#include "menus/MenuBar.h"

#include "menus/HelpMenu.h"
#include "shell/Twips.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace menus {

namespace {

// Shows the menu's title in the bar once it holds an entry.
class EmptyMenuHider : public QObject {
public:
    explicit EmptyMenuHider(QMenu *menu) : QObject(menu), m_menu(menu)
    {
        menu->installEventFilter(this);
        update();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionRemoved)
            update();
        return QObject::eventFilter(watched, event);
    }

private:
    void update()
    {
        // An entry being removed is still in the list while its event runs.
        int entries = 0;
        for (QAction *action : m_menu->actions())
            entries += action->isSeparator() ? 0 : 1;
        m_menu->menuAction()->setVisible(entries > 0);
    }
    QMenu *m_menu;
};

QMenu *addMenu(QMenuBar *bar, const char *objectName, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

} // namespace

void hideWhileEmpty(QMenu *menu)
{
    new EmptyMenuHider(menu);
}

QAction *addEntry(QMenu *menu, const char *objectName, const QString &text, const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(objectName));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

MenuBarFrame addMenuBar(QWidget *window, int clientWidth, int clientHeight)
{
    MenuBarFrame frame;
    // The window's designed size decides its scale (shell/Twips.h); the
    // body takes it in pixels.
    shell::setClientSizeTwips(window, clientWidth, clientHeight);
    frame.bar = new QMenuBar(window);
    frame.bar->setObjectName(QStringLiteral("menuBar"));
    frame.bar->setNativeMenuBar(false);
    frame.file = addMenu(frame.bar, "fileMenu", QCoreApplication::translate("Menus", "&File"));
    frame.view = addMenu(frame.bar, "viewMenu", QCoreApplication::translate("Menus", "&View"));
    hideWhileEmpty(frame.view);
    frame.help = addMenu(frame.bar, "helpMenu", QCoreApplication::translate("Menus", "&Help"));
    fillHelpMenu(frame.help, window);

    frame.body = new QWidget(window);
    frame.body->setObjectName(QStringLiteral("body"));
    shell::setFixedSizeTwips(frame.body, clientWidth, clientHeight);

    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(frame.bar);
    layout->addWidget(frame.body);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();
    return frame;
}

} // namespace menus
