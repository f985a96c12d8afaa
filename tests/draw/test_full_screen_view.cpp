// The full-screen view through its real widgets on a 1920 x 1080 screen
// (28800 x 16200 twips): its look, the layout for both options, Esc and
// back, the keys, the first layout after many draws and being closed.
#include "DrawTestSupport.h"

#include "deck/PictureSet.h"
#include "shell/Pointer.h"

#include <QFontInfo>
#include <QRadioButton>
#include <QScreen>

using namespace drawtest;

namespace {

void showFullScreenView(draw::DrawWindow &form)
{
    QTest::mouseClick(control<QPushButton>(&form, "PushButton5"), Qt::LeftButton);
    // The layout runs once the window is shown at the screen's size.
    QTRY_VERIFY(form.fullScreenView().isVisible());
    QTRY_COMPARE(form.fullScreenView().size(), form.fullScreenView().screen()->geometry().size());
}

void press(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false)
{
    QKeyEvent down(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(window, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(window, &up);
}

QString history(int position)
{
    return deck::cardName(cards::state().drawnCards->at(std::size_t(position)));
}

} // namespace

class TestFullScreenView : public QObject {
    Q_OBJECT

private slots:
    void loadGivesTheLook()
    {
        World world;
        auto form = openDrawWindow(world);
        draw::FullScreenView &fullScreenView = form->fullScreenView();
        QVERIFY(fullScreenView.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(fullScreenView.windowTitle(), QStringLiteral("Dealwright"));
        QCOMPARE(fullScreenView.palette().color(QPalette::Window), QColor(Qt::black));
        for (const char *name : {"Label1", "Label2"}) {
            auto *label = control<QLabel>(&fullScreenView, name);
            QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::white));
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->font().family(), QStringLiteral("Arial"));
            QCOMPARE(label->font().pointSize(), 9);
            QVERIFY(label->font().bold());
            // Arial itself or a metric-compatible stand-in.
            const QString used = QFontInfo(label->font()).family();
            QVERIFY2(used == "Arial" || used.startsWith("Liberation Sans"), qPrintable(used));
        }
        QCOMPARE(control<QLabel>(&fullScreenView, "Label2")->text(),
                 QStringLiteral("Press 'Space' to show next card, ESC to exit"));
        QCOMPARE(twips(image(&fullScreenView, "Image2")).left, 120);
        QCOMPARE(twips(row(&fullScreenView)[0]).left, 2520);

        showFullScreenView(*form);
        QVERIFY(fullScreenView.isFullScreen());
        QVERIFY(form->isHidden());
        QCOMPARE(fullScreenView.windowWidthTwips(), 28800);
        QCOMPARE(fullScreenView.windowHeightTwips(), 16200);
        // The labels follow the size of the window.
        QCOMPARE(twips(control(&fullScreenView, "Label2")).width, 28800 - 360);
        QCOMPARE(twips(control(&fullScreenView, "Label1")).width, 28800 - 360);
        QCOMPARE(twips(control(&fullScreenView, "Label1")).top, 16200 - 255 - 200);
    }

    void layoutOption1()
    {
        World world;
        auto form = openDrawWindow(world);
        clickDraw(*form, 3);
        showFullScreenView(*form);
        draw::FullScreenView &fullScreenView = form->fullScreenView();
        QTRY_VERIFY(cards::state().fullScreenLaidOut);
        const shell::TwipsRect pile = twips(image(&fullScreenView, "Image2"));
        const shell::TwipsRect first = twips(image(&fullScreenView, "Image1"));
        QCOMPARE((QList<int>{pile.left, pile.width, pile.height}), (QList<int>{120, 2013, 2722}));
        QCOMPARE((QList<int>{first.left, first.width, first.height}), (QList<int>{2253, 2013, 2722}));
        const QList<deck::CardImage *> elements = row(&fullScreenView);
        QCOMPARE(elements.size(), 2);
        QCOMPARE(twips(elements[0]).left, 2253 + 2013 + 10);
        QCOMPARE(twips(elements[1]).left, 2253 + 2 * 2023);
        QCOMPARE(twips(elements[1]).width, 2013);
        QCOMPARE(twips(elements[1]).top, 405);
        // In pixels by the window's factor (15 twips per pixel here).
        QCOMPARE(image(&fullScreenView, "Image1")->geometry(), QRect(150, 27, 134, 181));
        // The pictures stretch smoothly to the image, keeping 1065 : 1440.
        const QRect painted = image(&fullScreenView, "Image1")->pictureRect();
        QVERIFY(qAbs(painted.width() * 1440.0 / painted.height() - 1065) < 15);
        QVERIFY(painted.height() >= 180);
        const QImage shot = image(&fullScreenView, "Image1")->grab().toImage();
        QVERIFY(shot.pixelColor(shot.rect().center()) != QColor(Qt::black));
        QCOMPARE(image(&fullScreenView, "Image1")->accessibleName(), history(1));

        // 13 cards fit in the first row, with 10 twips between them.
        press(&fullScreenView, Qt::Key_Space);
        QCOMPARE(cards::state().drawCount, 4);
        for (int i = 0; i < 9; ++i)
            press(&fullScreenView, Qt::Key_Space);
        const QList<deck::CardImage *> full = row(&fullScreenView);
        QCOMPARE(full.size(), 12);
        QCOMPARE(twips(full[11]).left, 2253 + 12 * 2023);
        QVERIFY(twips(full[11]).left + 2013 <= 28800);
        press(&fullScreenView, Qt::Key_Space);   // the 14th opens the second row
        QCOMPARE(twips(row(&fullScreenView)[12]).left, 2253);
        QCOMPARE(twips(row(&fullScreenView)[12]).top, 405 + 2722 + 100);
    }

    void layoutOption2()
    {
        World world;
        auto form = openDrawWindow(world);
        QTest::mouseClick(control<QRadioButton>(form.get(), "Option2"), Qt::LeftButton);
        clickDraw(*form, 2);
        showFullScreenView(*form);
        draw::FullScreenView &fullScreenView = form->fullScreenView();
        QTRY_VERIFY(cards::state().fullScreenLaidOut);
        const shell::TwipsRect pile = twips(image(&fullScreenView, "Image2"));
        const shell::TwipsRect first = twips(image(&fullScreenView, "Image1"));
        QCOMPARE((QList<int>{pile.width, pile.height}), (QList<int>{3720, 5030}));
        QCOMPARE((QList<int>{first.left, first.width, first.height}), (QList<int>{3960, 3720, 5030}));
        press(&fullScreenView, Qt::Key_Space);
        QCOMPARE(cards::state().drawCount, 3);
        QCOMPARE(image(&fullScreenView, "Image1")->accessibleName(), history(3));
        QCOMPARE(row(&fullScreenView).size(), 1);
    }

    void escapeAndBackKeepsTheCards()
    {
        World world;
        auto form = openDrawWindow(world);
        clickDraw(*form, 5);
        showFullScreenView(*form);
        draw::FullScreenView &fullScreenView = form->fullScreenView();
        QTRY_VERIFY(cards::state().fullScreenLaidOut);
        press(&fullScreenView, Qt::Key_Escape);
        QVERIFY(fullScreenView.isHidden());
        QVERIFY(form->isVisible());

        // Mark an element's place: a second layout would move it.
        shell::setTwipsLeft(row(&fullScreenView)[2], 12345);
        clickDraw(*form, 2);
        showFullScreenView(*form);
        QTRY_COMPARE(twips(image(&fullScreenView, "Image1")).left, 2253);
        QCOMPARE(twips(row(&fullScreenView)[2]).left, 12345);
        QCOMPARE(twips(row(&fullScreenView)[4]).left, twips(row(&fullScreenView)[3]).left + 2023);   // the engine follows the element before
        QCOMPARE(row(&fullScreenView).size(), 6);
        QCOMPARE(countText(&fullScreenView), QStringLiteral("Cards drawn: 7"));
        QCOMPARE(row(&fullScreenView)[5]->accessibleName(), history(7));
    }

    // Shown again on a smaller screen (the draw window moved there): the
    // row is laid out anew for it.
    void shownAgainAtAnotherSizeLaysOutTheRowAgain()
    {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        World world;
        auto form = openDrawWindow(world);
        clickDraw(*form, 5);
        showFullScreenView(*form);
        draw::FullScreenView &fullScreenView = form->fullScreenView();
        QTRY_VERIFY(cards::state().fullScreenLaidOut);
        QCOMPARE(twips(row(&fullScreenView)[1]).width, 2013);
        press(&fullScreenView, Qt::Key_Escape);
        QVERIFY(fullScreenView.isHidden());

        QScreen *small = QGuiApplication::screens().at(1);
        form->move(small->geometry().topLeft() + QPoint(20, 20));
        QTRY_COMPARE(form->screen(), small);
        showFullScreenView(*form);
        QCOMPARE(fullScreenView.screen(), small);
        QTRY_COMPARE(fullScreenView.windowWidthTwips(), 19200);
        const int w = (19200 - 610) / 14;
        QTRY_COMPARE(twips(image(&fullScreenView, "Image1")).width, w);
        const int left = 120 + w + 120;
        QCOMPARE(twips(image(&fullScreenView, "Image1")).left, left);
        for (int i = 0; i < row(&fullScreenView).size(); ++i) {
            QCOMPARE(twips(row(&fullScreenView)[i]).width, w);
            QCOMPARE(twips(row(&fullScreenView)[i]).left, left + (i + 1) * (w + 10));
        }
    }

    void keys()
    {
        World world;
        auto form = openDrawWindow(world);
        showFullScreenView(*form);
        draw::FullScreenView &fullScreenView = form->fullScreenView();
        press(&fullScreenView, Qt::Key_Space);
        press(&fullScreenView, Qt::Key_Space, Qt::ShiftModifier);
        press(&fullScreenView, Qt::Key_Space, Qt::NoModifier, true);   // held down: repeats draw too
        QCOMPARE(cards::state().drawCount, 3);
        QCOMPARE(countText(&fullScreenView), QStringLiteral("Cards drawn: 3"));
        for (int key : {int(Qt::Key_A), int(Qt::Key_Return), int(Qt::Key_Left), int(Qt::Key_F4), int(Qt::Key_Tab)})
            press(&fullScreenView, key);
        QCOMPARE(cards::state().drawCount, 3);
        QVERIFY(fullScreenView.isVisible());
        QVERIFY(form->isHidden());

        for (int i = 0; i < 49; ++i)
            press(&fullScreenView, Qt::Key_Space, Qt::NoModifier, true);
        QCOMPARE(cards::state().drawCount, 52);
        QVERIFY(world.platform.messages.shown.isEmpty());
        press(&fullScreenView, Qt::Key_Space);
        press(&fullScreenView, Qt::Key_Space);
        QCOMPARE(world.platform.messages.texts(),
                 QStringList({"No more cards, please reset.", "No more cards, please reset."}));
        QCOMPARE(form->pointer().style(), 0);
        QCOMPARE(cards::state().drawCount, 52);
    }

    void thirtyDrawsBeforeTheFirstView()
    {
        World world;
        auto form = openDrawWindow(world);
        clickDraw(*form, 30);
        showFullScreenView(*form);
        draw::FullScreenView &fullScreenView = form->fullScreenView();
        QTRY_VERIFY(cards::state().fullScreenLaidOut);
        const QList<deck::CardImage *> elements = row(&fullScreenView);
        QCOMPARE(elements.size(), 29);
        const int w = 2013, h = 2722;
        for (int i = 0; i < elements.size(); ++i) {
            const int k = i + 2;   // the draw shown by element i
            const int column = (k - 1) % 13, line = (k - 1) / 13;
            const shell::TwipsRect r = twips(elements[i]);
            QCOMPARE((QList<int>{r.left, r.top, r.width, r.height}),
                     (QList<int>{2253 + column * (w + 10), 405 + line * (h + 100), w, h}));
        }
        // The engine goes on from there.
        press(&fullScreenView, Qt::Key_Space);
        const shell::TwipsRect next = twips(row(&fullScreenView)[29]);
        QCOMPARE((QList<int>{next.left, next.top}), (QList<int>{2253 + 4 * (w + 10), 405 + 2 * (h + 100)}));
    }

    void onlyShowingOrResizingLaysOut()
    {
        World world;
        auto form = openDrawWindow(world);
        clickDraw(*form, 4);
        showFullScreenView(*form);
        draw::FullScreenView &fullScreenView = form->fullScreenView();
        QTRY_VERIFY(cards::state().fullScreenLaidOut);
        QVERIFY(QTest::qWaitForWindowActive(&fullScreenView));
        shell::setTwipsLeft(image(&fullScreenView, "Image1"), 999);

        // Another of the program's windows (a message box) comes and goes.
        {
            QWidget box;
            box.resize(200, 100);
            box.show();
            box.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&box));
        }
        fullScreenView.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fullScreenView));
        QCOMPARE(twips(image(&fullScreenView, "Image1")).left, 999);

        // A change of size lays everything out again, row elements included.
        shell::setTwipsLeft(row(&fullScreenView)[2], 12345);
        fullScreenView.setWindowState(Qt::WindowNoState);
        fullScreenView.setGeometry(0, 0, 1280, 720);
        QTRY_COMPARE(fullScreenView.windowWidthTwips(), 19200);
        const int w = (19200 - 610) / 14;
        QTRY_COMPARE(twips(image(&fullScreenView, "Image2")).width, w);
        QCOMPARE(twips(image(&fullScreenView, "Image1")).left, 120 + w + 120);
        QCOMPARE(twips(row(&fullScreenView)[2]).left, 120 + w + 120 + 3 * (w + 10));
        QCOMPARE(twips(control(&fullScreenView, "Label1")).top, 10800 - 255 - 200);
    }

    void closedByTheWindowSystem()
    {
        World world;
        auto form = openDrawWindow(world);
        clickDraw(*form, 2);
        showFullScreenView(*form);
        draw::FullScreenView &fullScreenView = form->fullScreenView();
        // As Esc: the draw window comes back, the program goes on.
        QVERIFY(!fullScreenView.close());
        QVERIFY(fullScreenView.isHidden());
        QVERIFY(form->isVisible());
        QCOMPARE(world.platform.ender.ends, 0);
        QCOMPARE(countText(&fullScreenView), QStringLiteral("Cards drawn: 2"));
        // At the end of the program it simply closes.
        showFullScreenView(*form);
        shell::setEndRequested(true);
        QVERIFY(fullScreenView.close());
        QVERIFY(fullScreenView.isHidden());
        QVERIFY(form->isHidden());
    }
};

QTEST_MAIN(TestFullScreenView)
#include "test_full_screen_view.moc"
