// The drawing windows for keyboard and screen-reader users: the first focus,
// the windows' role and name, the pile's name, and the announcement of each
// draw through the object that has the focus, in both windows. (Here the
// announcement is the focused object's description; that the screen
// reader's bus hears it is shown by the test of the real program in
// tests/a11y.)
#include "DrawTestSupport.h"

#include "deck/PictureSet.h"

#include <QAccessible>
#include <QRadioButton>
#include <QScreen>

using namespace drawtest;

namespace {

QString heard(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

QString lastCardName()
{
    return deck::cardName(cards::state().drawnCards->back());
}

} // namespace

class TestAccessible : public QObject {
    Q_OBJECT
private slots:
    // Each window is heard by a name of its own beside the product's
    // caption; "< Back" is heard as a word.
    void windowsArePresentedAsWindowsNamedByTheirRole()
    {
        World world;
        auto form = openDrawWindow(world);
        form->fullScreenView().load();
        const QList<std::pair<QWidget *, QString>> windows{
            {form.get(), QStringLiteral("Dealwright: draw cards")},
            {&form->fullScreenView(), QStringLiteral("Dealwright: full screen")}};
        for (const auto &[window, name] : windows) {
            QAccessibleInterface *presented = QAccessible::queryAccessibleInterface(window);
            QCOMPARE(presented->role(), QAccessible::Window);
            QCOMPARE(presented->text(QAccessible::Name), name);
            QCOMPARE(window->windowTitle(), QStringLiteral("Dealwright"));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(control(form.get(), "PushButton4"))->text(QAccessible::Name),
                 QStringLiteral("Back"));
        QCOMPARE(control<QPushButton>(form.get(), "PushButton4")->text(), QStringLiteral("< Back"));
        // The pile is the deck, whatever it shows; the other images say their card.
        QCOMPARE(image(form.get(), "Image2")->accessibleName(), QStringLiteral("Deck"));
        QCOMPARE(QAccessible::queryAccessibleInterface(image(form.get(), "Image2"))->role(), QAccessible::Graphic);
        QCOMPARE(image(&form->fullScreenView(), "Image2")->accessibleName(), QStringLiteral("Deck"));
        QCOMPARE(control(form.get(), "PushButton9")->accessibleName(), QStringLiteral("Choose the output folder"));
    }

    // Space draws from the first moment: the focus starts on "Show Next
    // Card", and a screen reader hears the card and the count through it.
    void theFirstSpaceDrawsAndIsHeard()
    {
        World world;
        auto form = openDrawWindow(world);
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        auto *next = control<QPushButton>(form.get(), "PushButton2");
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(next));
        QCOMPARE(heard(next), QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(cards::state().drawCount, 1);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(next));
        QCOMPARE(heard(next), lastCardName() + QStringLiteral(". Cards drawn: 1"));
        QTest::keyClick(next, Qt::Key_Return);
        QCOMPARE(heard(next), lastCardName() + QStringLiteral(". Cards drawn: 2"));
        QCOMPARE(QAccessible::queryAccessibleInterface(next)->text(QAccessible::Name), QStringLiteral("Show Next Card"));
    }

    // In the full-screen view the window keeps the focus and its name; each Space is
    // heard through it. A refused draw says nothing: its message box speaks.
    void theViewerSaysEachDraw()
    {
        World world;
        auto form = openDrawWindow(world);
        QTest::mouseClick(control<QPushButton>(form.get(), "PushButton5"), Qt::LeftButton);
        draw::FullScreenView &fullScreenView = form->fullScreenView();
        QTRY_VERIFY(fullScreenView.isVisible());
        for (int i = 1; i <= 52; ++i) {
            QTest::keyClick(&fullScreenView, Qt::Key_Space);
            QCOMPARE(heard(&fullScreenView), lastCardName() + QStringLiteral(". Cards drawn: ") + QString::number(i));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(&fullScreenView)->text(QAccessible::Name),
                 QStringLiteral("Dealwright: full screen"));
        QTest::keyClick(&fullScreenView, Qt::Key_Space);
        QCOMPARE(world.platform.messages.texts(), QStringList{QStringLiteral("No more cards, please reset.")});
        QVERIFY(heard(&fullScreenView).endsWith(QLatin1String("Cards drawn: 52")));
    }

    // What the controls that carried an announcement say always matches
    // the draw as it stands: after a reset, a change of mode (from the
    // keyboard, in the mode group) and draws in the full-screen view; the
    // reset and the change of mode are heard themselves.
    void announcementsFollowTheDrawAsItStands()
    {
        World world;
        auto form = openDrawWindow(world);
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        auto *next = control<QPushButton>(form.get(), "PushButton2");
        auto *reset = control<QPushButton>(form.get(), "PushButton1");
        next->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(next, Qt::Key_Space);
        QCOMPARE(heard(next), lastCardName() + QStringLiteral(". Cards drawn: 3"));

        reset->setFocus(Qt::TabFocusReason);
        QTest::keyClick(reset, Qt::Key_Space);
        QCOMPARE(cards::state().drawCount, 0);
        QCOMPARE(heard(reset), QStringLiteral("Reset. No cards drawn"));
        QCOMPARE(heard(next), QStringLiteral("No cards drawn"));

        next->setFocus(Qt::TabFocusReason);
        QTest::keyClick(next, Qt::Key_Space);
        QCOMPARE(heard(next), lastCardName() + QStringLiteral(". Cards drawn: 1"));
        QCOMPARE(heard(reset), lastCardName() + QStringLiteral(". Cards drawn: 1"));

        // Down in the mode group chooses the other mode, which resets.
        auto *withoutPuttingBack = control<QRadioButton>(form.get(), "Option1");
        auto *puttingBack = control<QRadioButton>(form.get(), "Option2");
        withoutPuttingBack->setFocus(Qt::TabFocusReason);
        QTest::keyClick(withoutPuttingBack, Qt::Key_Down);
        QVERIFY(puttingBack->isChecked());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(puttingBack));
        QCOMPARE(cards::state().drawCount, 0);
        QTRY_COMPARE(heard(puttingBack), puttingBack->text() + QStringLiteral(". Reset. No cards drawn"));
        QCOMPARE(heard(next), QStringLiteral("No cards drawn"));
        QCOMPARE(heard(reset), QStringLiteral("No cards drawn"));

        // Draws in the full-screen view: back in the draw window, the
        // buttons tell of the last of them.
        QTest::mouseClick(control<QPushButton>(form.get(), "PushButton5"), Qt::LeftButton);
        draw::FullScreenView &fullScreenView = form->fullScreenView();
        QTRY_VERIFY(fullScreenView.isVisible());
        QTest::keyClick(&fullScreenView, Qt::Key_Space);
        QTest::keyClick(&fullScreenView, Qt::Key_Space);
        QTest::keyClick(&fullScreenView, Qt::Key_Escape);
        QTRY_VERIFY(form->isVisible());
        for (QWidget *carrier : {static_cast<QWidget *>(next), static_cast<QWidget *>(reset),
                                 static_cast<QWidget *>(puttingBack)})
            QCOMPARE(heard(carrier), lastCardName() + QStringLiteral(". Cards drawn: 2"));
    }

    // Opening, the full-screen view says what its keys do.
    void theViewerSaysItsInstructionWhenItOpens()
    {
        World world;
        auto form = openDrawWindow(world);
        QTest::mouseClick(control<QPushButton>(form.get(), "PushButton5"), Qt::LeftButton);
        draw::FullScreenView &fullScreenView = form->fullScreenView();
        QVERIFY(QTest::qWaitForWindowActive(&fullScreenView));
        QTRY_COMPARE(heard(&fullScreenView), QStringLiteral("Press 'Space' to show next card, ESC to exit"));
        QTest::keyClick(&fullScreenView, Qt::Key_Space);
        QCOMPARE(heard(&fullScreenView), lastCardName() + QStringLiteral(". Cards drawn: 1"));
        // Each time it opens.
        QTest::keyClick(&fullScreenView, Qt::Key_Escape);
        QTRY_VERIFY(form->isVisible());
        QTest::mouseClick(control<QPushButton>(form.get(), "PushButton5"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(&fullScreenView));
        QTRY_COMPARE(heard(&fullScreenView), QStringLiteral("Press 'Space' to show next card, ESC to exit"));
    }
};

QTEST_MAIN(TestAccessible)
#include "test_accessible.moc"
