// The drawing windows for keyboard and screen-reader users: the first focus,
// the windows' role and name, the pile's name, and the announcement of each
// draw through the object that has the focus, in both windows. (Here the
// announcement is the focused object's description; that the screen
// reader's bus hears it is shown by the test of the real program in
// tests/a11y.)
#include "DrawTestSupport.h"

#include "deck/PictureSet.h"

#include <QAccessible>
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
    void windowsArePresentedAsWindowsNamedByTheirCaption()
    {
        World world;
        auto form = openDrawWindow(world);
        form->fullScreenView().load();
        for (QWidget *window : {static_cast<QWidget *>(form.get()), static_cast<QWidget *>(&form->fullScreenView())}) {
            QAccessibleInterface *presented = QAccessible::queryAccessibleInterface(window);
            QCOMPARE(presented->role(), QAccessible::Window);
            QCOMPARE(presented->text(QAccessible::Name), QStringLiteral("Dealwright"));
        }
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
        QCOMPARE(QAccessible::queryAccessibleInterface(&fullScreenView)->text(QAccessible::Name), QStringLiteral("Dealwright"));
        QTest::keyClick(&fullScreenView, Qt::Key_Space);
        QCOMPARE(world.platform.messages.texts(), QStringList{QStringLiteral("No more cards, please reset.")});
        QVERIFY(heard(&fullScreenView).endsWith(QLatin1String("Cards drawn: 52")));
    }
};

QTEST_MAIN(TestAccessible)
#include "test_accessible.moc"
