// The full-screen viewer on a real X server with no window manager (a
// kiosk, a bare X session): nobody honours a request for full screen there,
// so the viewer must cover its screen by itself. Run under xvfb-run, which
// starts no window manager.
#include "DrawTestSupport.h"

#include <QRadioButton>
#include <QScreen>

using namespace drawtest;

class TestViewerX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }

    void theViewerCoversItsScreenWithoutAWindowManager()
    {
        World world;
        auto form = openForm2(world);
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        clickDraw(*form, 3);
        QTest::mouseClick(child<QPushButton>(form.get(), "PushButton5"), Qt::LeftButton);
        draw::Form4 &viewer = form->viewer();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        const QRect screen = viewer.screen()->geometry();
        QCOMPARE(screen.size(), QSize(1920, 1080));
        // Where the X server has the window, not only where Qt asked for it.
        QTRY_COMPARE(viewer.windowHandle()->geometry(), screen);
        QTRY_COMPARE(viewer.geometry(), screen);
        QTRY_VERIFY(cards::state().ViewerLaidOut);
        // Laid out for the whole screen: the count along its bottom.
        QCOMPARE(child<QLabel>(&viewer, "Label1")->geometry().bottom(), screen.height() - 200 / 15 - 1);
        // Esc and back: the draw window returns, the viewer covers the screen again.
        QTest::keyClick(&viewer, Qt::Key_Escape);
        QTRY_VERIFY(!viewer.isVisible());
        QTRY_VERIFY(form->isVisible());
        QTest::mouseClick(child<QPushButton>(form.get(), "PushButton5"), Qt::LeftButton);
        QTRY_COMPARE(viewer.windowHandle()->geometry(), screen);
    }
};

QTEST_MAIN(TestViewerX11)
#include "test_viewer_x11.moc"
