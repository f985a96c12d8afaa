// The menu pieces every window shares: the menu bar above the designed
// client area, the View menu out of the bar while empty, the Help menu's
// entries, the manual through the desktop or in the program's own window,
// and the About boxes, all through the recording platform.
#include "menus/HelpMenu.h"
#include "menus/ManualWindow.h"
#include "menus/MenuBar.h"
#include "shell/ErrorReport.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QtTest>

using testsupport::control;

namespace {

QStringList shownTitles(QMenuBar *bar)
{
    QStringList titles;
    for (QAction *action : bar->actions()) {
        if (action->isVisible())
            titles << action->text();
    }
    return titles;
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void aMenuBarAboveTheClientArea()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        QWidget window;
        const menus::MenuBarFrame frame = menus::addMenuBar(&window, 3000, 1500);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(frame.bar->height() > 0);
        QVERIFY(!frame.bar->isNativeMenuBar());
        QCOMPARE(frame.body->geometry(), QRect(0, frame.bar->height(), 200, 100));
        QCOMPARE(window.size(), QSize(200, 100 + frame.bar->height()));
        QCOMPARE(frame.body->objectName(), QStringLiteral("body"));

        // "View" stays out of the bar until it has an entry.
        QCOMPARE(shownTitles(frame.bar), (QStringList{"&File", "&Help"}));
        QAction *entry = menus::addEntry(frame.view, "cardDesign", QStringLiteral("&Card Design"));
        QCOMPARE(shownTitles(frame.bar), (QStringList{"&File", "&View", "&Help"}));
        frame.view->removeAction(entry);
        QCOMPARE(shownTitles(frame.bar), (QStringList{"&File", "&Help"}));

        // The Help entries, with their mnemonics, F1, and their names as
        // screen readers read them.
        const QList<QAction *> help = frame.help->actions();
        QStringList texts;
        for (QAction *action : help) {
            if (!action->isSeparator())
                texts << action->text();
        }
        QCOMPARE(texts, (QStringList{"&Manual", "&About Dealwright", "About &Qt"}));
        QCOMPARE(control<QAction>(&window, "manualEntry")->shortcut(), QKeySequence(Qt::Key_F1));
        QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(frame.help);
        QVERIFY(menu);
        QStringList names;
        for (int i = 0; i < menu->childCount(); ++i) {
            const QString name = menu->child(i)->text(QAccessible::Name);
            if (!name.isEmpty())
                names << name;
        }
        QCOMPARE(names, (QStringList{"Manual", "About Dealwright", "About Qt"}));
    }

    void theManualThroughTheDesktop()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        QWidget window;
        menus::addMenuBar(&window, 3000, 1500);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        QCOMPARE(platform.web.opened, QList<QUrl>{QUrl(QStringLiteral("man:dealwright(1)"))});
        QVERIFY(!menus::ManualWindow::instance());
        QVERIFY(platform.messages.shown.isEmpty());
    }

    // Where the desktop cannot open the page, the program's own copy of it.
    void theManualWindowWhereTheDesktopCannot()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        platform.web.refuse = true;
        QWidget window;
        const menus::MenuBarFrame frame = menus::addMenuBar(&window, 3000, 1500);
        window.show();
        control<QAction>(&window, "manualEntry")->trigger();
        QCOMPARE(platform.web.opened.size(), 1);
        menus::ManualWindow *manual = menus::ManualWindow::instance();
        QVERIFY(manual);
        QVERIFY(manual->isVisible());
        QCOMPARE(manual->windowTitle(), QStringLiteral("Dealwright"));
        QCOMPARE(QAccessible::queryAccessibleInterface(manual)->text(QAccessible::Name),
                 QStringLiteral("Dealwright: manual"));
        const QString text = manual->text()->toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("DEALWRIGHT(1)")));
        for (const char *part : {"Save History...", "Tally of Draws", "About Dealwright", "draw,card,rank,suit,colour,mode"})
            QVERIFY2(text.contains(QLatin1String(part)), part);
        // Plain text: no terminal's bold, underline or colour left in it.
        QVERIFY(!text.contains(QChar(0x08)));
        QVERIFY(!text.contains(QChar(0x1b)));
        for (const QString &line : text.split(QLatin1Char('\n')))
            QVERIFY2(line.size() <= 80, qPrintable(line));
        QVERIFY(manual->text()->isReadOnly());

        // Asked again: the same window.
        manual->close();
        menus::showManual(&window);
        QCOMPARE(menus::ManualWindow::instance(), manual);
        QVERIFY(manual->isVisible());
        QVERIFY(platform.messages.shown.isEmpty());
        Q_UNUSED(frame);
    }

    void theAboutBoxes()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        QWidget window;
        menus::addMenuBar(&window, 3000, 1500);
        control<QAction>(&window, "aboutEntry")->trigger();
        QCOMPARE(platform.messages.shown.size(), 1);
        const shell::Message about = platform.messages.shown.first();
        QCOMPARE(about.caption, QStringLiteral("About Dealwright"));
        QVERIFY(!about.origin);
        QCOMPARE(about.text, menus::aboutText());
        for (const QString &part : {QStringLiteral("Dealwright " DEALWRIGHT_VERSION), QStringLiteral("MIT licence"),
                                    QString::fromLatin1(shell::WebSiteAddress), QStringLiteral("The Dealwright authors"),
                                    QStringLiteral("random playing cards")})
            QVERIFY2(about.text.contains(part), qPrintable(part));

        control<QAction>(&window, "aboutQtEntry")->trigger();
        QCOMPARE(platform.messages.aboutQtShown, QList<QWidget *>{&window});
        QCOMPARE(platform.messages.shown.size(), 1);
        QVERIFY(platform.web.opened.isEmpty());
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
