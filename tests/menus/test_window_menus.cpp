// The menus of the program's windows: the draw window's File, View and
// Help and the batch window's File, View (the card design) and Help, every entry reached by keyboard (mnemonics, shortcuts)
// and named for screen readers; the chooser's buttons telling what they
// open, and its Help entries in a context menu reached by Shift+F10.
#include "app/ChooserWindow.h"
#include "batch/BatchWindow.h"
#include "cards/DrawState.h"
#include "draw/DrawTally.h"
#include "draw/DrawWindow.h"
#include "draw/FullScreenView.h"
#include "settings/SettingsStore.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using testsupport::control;

namespace {

struct World {
    World() { cards::state() = cards::DrawState{}; }
    testsupport::TempConfig config;
    testsupport::TestPlatform platform;
    testsupport::RecordingNavigator navigator;
};

// The menu a window's bar shows with the given title.
QMenu *menuTitled(QMenuBar *bar, const QString &title)
{
    for (QAction *action : bar->actions()) {
        if (action->text() == title && action->menu())
            return action->menu();
    }
    return nullptr;
}

// Every entry has a mnemonic of its own within its menu and a name for
// screen readers (its text without the "&"); the names in order.
QStringList checkedNames(QMenu *menu)
{
    QStringList names;
    QSet<QChar> mnemonics;
    QAccessibleInterface *presented = QAccessible::queryAccessibleInterface(menu);
    for (int i = 0; i < presented->childCount(); ++i) {
        QAccessibleInterface *entry = presented->child(i);
        const QString name = entry->text(QAccessible::Name);
        if (name.isEmpty())
            continue;   // a separator
        names << name;
        const QList<QAction *> actions = menu->actions();
        const auto action = std::find_if(actions.begin(), actions.end(), [&](QAction *a) {
            return QString(a->text()).remove(QLatin1Char('&')) == name;
        });
        if (action == actions.end())
            return {QStringLiteral("no entry named ") + name};
        const QKeySequence mnemonic = QKeySequence::mnemonic((*action)->text());
        if (mnemonic.isEmpty())
            return {QStringLiteral("no mnemonic: ") + name};
        const QChar key = mnemonic.toString().back().toLower();
        if (mnemonics.contains(key))
            return {QStringLiteral("mnemonic used twice: ") + name};
        mnemonics.insert(key);
    }
    return names;
}

// Alt + the title's letter opens the menu as a popup.
QMenu *openByAlt(QWidget *window, Qt::Key letter)
{
    QTest::keyClick(window, letter, Qt::AltModifier);
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

} // namespace

class TestWindowMenus : public QObject {
    Q_OBJECT

private slots:
    void theDrawWindowsMenus()
    {
        World world;
        draw::DrawWindow form(world.navigator);
        form.load();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto *bar = control<QMenuBar>(&form, "menuBar");
        QStringList titles;
        for (QAction *action : bar->actions()) {
            if (action->isVisible())
                titles << action->text();
        }
        QCOMPARE(titles, (QStringList{"&File", "&View", "&Help"}));
        QCOMPARE(checkedNames(menuTitled(bar, "&File")), (QStringList{"Save History...", "Close"}));
        QCOMPARE(checkedNames(menuTitled(bar, "&View")), (QStringList{"Tally of Draws", "Show Cards On Full Screen", "Card Design"}));
        QCOMPARE(checkedNames(menuTitled(bar, "&Help")), (QStringList{"Manual", "About Dealwright", "About Qt"}));
        QCOMPARE(form.viewMenu(), menuTitled(bar, "&View"));

        // By keyboard: Alt+V, then T.
        QMenu *view = openByAlt(&form, Qt::Key_V);
        QCOMPARE(view, menuTitled(bar, "&View"));
        QTest::keyClick(view, Qt::Key_T);
        QTRY_VERIFY(form.drawTally().window() && form.drawTally().window()->isVisible());
        QVERIFY(!QApplication::activePopupWidget());

        // Alt+F, then Escape: nothing happens.
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QMenu *file = openByAlt(&form, Qt::Key_F);
        QCOMPARE(file, menuTitled(bar, "&File"));
        QTest::keyClick(file, Qt::Key_Escape);
        QTRY_VERIFY(!file->isVisible());
        QVERIFY(world.platform.saver.calls.isEmpty());
        // Alt+F, H: the save dialog (cancelled).
        file = openByAlt(&form, Qt::Key_F);
        QVERIFY(file);
        QTest::keyClick(file, Qt::Key_H);
        QCOMPARE(world.platform.saver.calls.size(), 1);

        // F1, the manual; F11, the full-screen view.
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F1);
        QCOMPARE(world.platform.web.opened, QList<QUrl>{QUrl(QStringLiteral("man:dealwright(1)"))});
        QTest::keyClick(&form, Qt::Key_F11);
        QTRY_VERIFY(form.fullScreenView().isVisible());
        QVERIFY(form.isHidden());
        QVERIFY(world.platform.messages.shown.isEmpty());

        // File > Close is the window's close: the next start opens it, the
        // program ends.
        form.fullScreenView().hide();
        form.show();
        control<QAction>(&form, "closeEntry")->trigger();
        QCOMPARE(world.platform.ender.ends, 1);
        QCOMPARE(settings::read(settings::keys::Form3Start, 0), QStringLiteral("2"));
    }

    void theBatchWindowsMenus()
    {
        World world;
        batch::BatchWindow form(world.navigator);
        form.load();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto *bar = control<QMenuBar>(&form, "menuBar");
        QStringList titles;
        for (QAction *action : bar->actions()) {
            if (action->isVisible())
                titles << action->text();
        }
        QCOMPARE(titles, (QStringList{"&File", "&View", "&Help"}));
        QCOMPARE(checkedNames(menuTitled(bar, "&File")), QStringList{"Close"});
        QCOMPARE(checkedNames(menuTitled(bar, "&View")), QStringList{"Card Design"});
        QCOMPARE(checkedNames(menuTitled(bar, "&Help")), (QStringList{"Manual", "About Dealwright", "About Qt"}));
        QCOMPARE(form.viewMenu(), menuTitled(bar, "&View"));

        // Alt+V, then D: the card designs, the built-in set first.
        QMenu *view = openByAlt(&form, Qt::Key_V);
        QVERIFY(view);
        QTest::keyClick(view, Qt::Key_D);
        QTRY_COMPARE(QApplication::activePopupWidget(), control<QMenu>(&form, "designMenu"));
        QCOMPARE(control<QMenu>(&form, "designMenu")->actions().first()->text(), QStringLiteral("Dealwright"));
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();

        QMenu *help = openByAlt(&form, Qt::Key_H);
        QCOMPARE(help, menuTitled(bar, "&Help"));
        QTest::keyClick(help, Qt::Key_A);
        QCOMPARE(world.platform.messages.shown.size(), 1);
        QCOMPARE(world.platform.messages.shown[0].caption, QStringLiteral("About Dealwright"));

        QMenu *file = openByAlt(&form, Qt::Key_F);
        QVERIFY(file);
        QTest::keyClick(file, Qt::Key_C);
        QCOMPARE(world.platform.ender.ends, 1);
        QCOMPARE(settings::read(settings::keys::Form3Start, 0), QStringLiteral("3"));
    }

    void theChooserTellsWhatItsButtonsOpen()
    {
        World world;
        app::ChooserWindow chooser(world.navigator);
        chooser.show();
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        auto *newMethod = control<QPushButton>(&chooser, "PushButton1");
        auto *oldMethod = control<QPushButton>(&chooser, "PushButton2");
        QVERIFY(newMethod->toolTip().contains(QStringLiteral("draw window")));
        QVERIFY(newMethod->toolTip().contains(QStringLiteral("one at a time")));
        QVERIFY(oldMethod->toolTip().contains(QStringLiteral("batch window")));
        QVERIFY(oldMethod->toolTip().contains(QStringLiteral("52")));
        for (QPushButton *button : {newMethod, oldMethod}) {
            QAccessibleInterface *presented = QAccessible::queryAccessibleInterface(button);
            QCOMPARE(presented->text(QAccessible::Description), button->toolTip());
        }
        // No menu is made at the start.
        QVERIFY(!chooser.contextMenu());

        // Shift+F10: the Help entries; A: the About box.
        QTest::keyClick(&chooser, Qt::Key_F10, Qt::ShiftModifier);
        QMenu *menu = chooser.contextMenu();
        QVERIFY(menu);
        QTRY_COMPARE(QApplication::activePopupWidget(), menu);
        QCOMPARE(checkedNames(menu), (QStringList{"Manual", "About Dealwright", "About Qt"}));
        QTest::keyClick(menu, Qt::Key_A);
        QCOMPARE(world.platform.messages.shown.size(), 1);
        QCOMPARE(world.platform.messages.shown[0].caption, QStringLiteral("About Dealwright"));

        // F1 from a button: the manual.
        newMethod->setFocus();
        QTest::keyClick(newMethod, Qt::Key_F1);
        QCOMPARE(world.platform.web.opened, QList<QUrl>{QUrl(QStringLiteral("man:dealwright(1)"))});
        QCOMPARE(world.navigator.drawShown, 0);
    }
};

QTEST_MAIN(TestWindowMenus)
#include "test_window_menus.moc"
