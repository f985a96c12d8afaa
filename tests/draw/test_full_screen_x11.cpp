// The full-screen view on a real X server with no window manager (a
// kiosk, a bare X session): nobody honours a request for full screen there,
// so the full-screen view must cover its screen by itself. Run under xvfb-run, which
// starts no window manager.
#include "DrawTestSupport.h"

#include <QRadioButton>
#include <QScreen>

using namespace drawtest;

class TestFullScreenX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }

    void theViewerCoversItsScreenWithoutAWindowManager()
    {
        World world;
        auto form = openDrawWindow(world);
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        clickDraw(*form, 3);
        QTest::mouseClick(control<QPushButton>(form.get(), "PushButton5"), Qt::LeftButton);
        draw::FullScreenView &fullScreenView = form->fullScreenView();
        QVERIFY(QTest::qWaitForWindowExposed(&fullScreenView));
        const QRect screen = fullScreenView.screen()->geometry();
        QCOMPARE(screen.size(), QSize(1920, 1080));
        // Where the X server has the window, not only where Qt asked for it.
        QTRY_COMPARE(fullScreenView.windowHandle()->geometry(), screen);
        QTRY_COMPARE(fullScreenView.geometry(), screen);
        QTRY_VERIFY(cards::state().fullScreenLaidOut);
        // Laid out for the whole screen: the count along its bottom.
        QCOMPARE(control<QLabel>(&fullScreenView, "Label1")->geometry().bottom(), screen.height() - 200 / 15 - 1);
        // Esc and back: the draw window returns, the full-screen view covers the screen again.
        QTest::keyClick(&fullScreenView, Qt::Key_Escape);
        QTRY_VERIFY(!fullScreenView.isVisible());
        QTRY_VERIFY(form->isVisible());
        QTest::mouseClick(control<QPushButton>(form.get(), "PushButton5"), Qt::LeftButton);
        QTRY_COMPARE(fullScreenView.windowHandle()->geometry(), screen);
    }
};

QTEST_MAIN(TestFullScreenX11)
#include "test_full_screen_x11.moc"
