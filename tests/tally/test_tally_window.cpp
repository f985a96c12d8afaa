// The tally window: its caption and the name screen readers give it, the
// note on the verdict, and the "Draw 10/100/1000" buttons, which ask for
// draws only when putting back.
#include "TallyTestSupport.h"
#include "support/TestPlatform.h"
#include "tally/TallyPanel.h"
#include "tally/TallyWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QtTest>

using namespace tallytest;

class TestTallyWindow : public QObject {
    Q_OBJECT
private slots:
    void captionAndNameForScreenReaders()
    {
        testsupport::TempConfig config;
        tally::TallyWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Dealwright"));
        QAccessibleInterface *presented = QAccessible::queryAccessibleInterface(&window);
        QVERIFY(presented);
        QCOMPARE(presented->role(), QAccessible::Window);
        QCOMPARE(presented->text(QAccessible::Name), QStringLiteral("Dealwright: tally of draws"));
        // Without a tally it shows an empty draw, nothing that is no number.
        QVERIFY(spokenTexts(&window).contains(QStringLiteral("Draws since the last reset: 0")));
        QVERIFY(!anyNotANumber(spokenTexts(&window)));
        // It opens within its screen.
        const QRect room = window.screen()->availableGeometry();
        QVERIFY(window.width() <= room.width());
        QVERIFY(window.height() <= room.height());
    }

    void theDrawButtonsAskForDrawsOnlyWhenPuttingBack()
    {
        testsupport::TempConfig config;
        tally::TallyWindow window;
        QSignalSpy requests(&window, &tally::TallyWindow::drawManyRequested);
        const QList<QPushButton *> buttons = {window.findChild<QPushButton *>(QStringLiteral("Draw10")),
                                              window.findChild<QPushButton *>(QStringLiteral("Draw100")),
                                              window.findChild<QPushButton *>(QStringLiteral("Draw1000"))};
        for (QPushButton *button : buttons)
            QVERIFY(button);
        QCOMPARE(buttons[0]->text(), QStringLiteral("Draw 10"));
        QCOMPARE(buttons[2]->text(), QStringLiteral("Draw 1000"));
        auto *note = window.findChild<QLabel *>(QStringLiteral("verdictNote"));

        cards::Tally tally(cards::DrawMode::NoPutBack);
        window.setTally(&tally);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (QPushButton *button : buttons) {
            QVERIFY(!button->isEnabled());
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(requests.count(), 0);
        QVERIFY(!note->isVisible());

        tally.reset(cards::DrawMode::PutBack);
        window.tallyChanged();
        for (QPushButton *button : buttons)
            QVERIFY(button->isEnabled());
        QVERIFY(note->isVisible());
        QVERIFY(note->text().contains(QStringLiteral("once in a hundred looks")));
        QTest::mouseClick(buttons[1], Qt::LeftButton);
        buttons[2]->setFocus();
        QTest::keyClick(buttons[2], Qt::Key_Space);
        QTest::mouseClick(buttons[0], Qt::LeftButton);
        QCOMPARE(requests.count(), 3);
        QCOMPARE(requests.at(0).at(0).toInt(), 100);
        QCOMPARE(requests.at(1).at(0).toInt(), 1000);
        QCOMPARE(requests.at(2).at(0).toInt(), 10);

        // The engine answers with draws; the window shows them.
        for (int i = 0; i < 10; ++i)
            QVERIFY(tally.record(i));
        window.tallyChanged();
        QVERIFY(spokenTexts(&window).contains(QStringLiteral("Draws since the last reset: 10")));

        tally.reset(cards::DrawMode::NoPutBack);
        window.tallyChanged();
        for (QPushButton *button : buttons)
            QVERIFY(!button->isEnabled());
        QVERIFY(!note->isVisible());
    }

    // Opened without putting back, then switched to putting back: the
    // window grows to show the new sections (the note, the shares), within
    // the screen, and keeps its size on the way back.
    void aChangeOfModeGrowsTheWindow()
    {
        testsupport::TempConfig config;
        tally::TallyWindow window;
        cards::Tally tally(cards::DrawMode::NoPutBack);
        for (int i = 0; i < 5; ++i)
            QVERIFY(tally.record(i * 7));
        window.setTally(&tally);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize before = window.size();

        tally.reset(cards::DrawMode::PutBack);
        for (int i = 0; i < 30; ++i)
            QVERIFY(tally.record(i % 52));
        window.tallyChanged();
        QTRY_VERIFY(window.height() > before.height());
        QVERIFY(window.width() >= before.width());
        auto *scroll = window.findChild<QScrollArea *>();
        QVERIFY(scroll);
        const int room = window.screen()->availableSize().height() * 9 / 10;
        QTRY_VERIFY(scroll->viewport()->height() >= window.panel()->heightForWidth(scroll->viewport()->width()) ||
                    window.height() == room);
        QVERIFY(window.height() <= room);

        const QSize grown = window.size();
        tally.reset(cards::DrawMode::NoPutBack);
        window.tallyChanged();
        QCOMPARE(window.size(), grown);
    }

    // Drawn while hidden, it catches up when it is shown again.
    void aHiddenWindowCatchesUp()
    {
        testsupport::TempConfig config;
        tally::TallyWindow window;
        cards::Tally tally(cards::DrawMode::NoPutBack);
        window.setTally(&tally);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.hide();
        QVERIFY(tally.record(card(12, Hearts)));
        window.tallyChanged();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(spokenTexts(&window).contains(QStringLiteral("Hearts: 12 of 51, 23.5 %")));
    }
};

QTEST_MAIN(TestTallyWindow)
#include "test_tally_window.moc"
