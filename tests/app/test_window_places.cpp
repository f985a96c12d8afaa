// Where the windows stand on a real X server, with a window manager
// (with_openbox.sh) and without one (a bare xvfb-run): each window opens
// centred on its screen the first time, and comes back where the user left
// it after it was hidden: the chooser after the draw window's "< Back", the
// draw window after the full-screen view's Esc, the batch window after its
// "< Back". The user's move is the window manager's (a pager's request),
// or without one the window system's own.
#include "AppTestSupport.h"

#include "batch/BatchWindow.h"
#include "draw/DrawWindow.h"
#include "draw/FullScreenView.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"

#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

bool withWindowManager() { return qEnvironmentVariableIsSet("DEALWRIGHT_TEST_WINDOW_MANAGER"); }

class XServer {
public:
    XServer() : m_display(XOpenDisplay(nullptr)) {}
    ~XServer()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    bool open() const { return m_display != nullptr; }

    // True once a window manager has announced itself on the root window.
    bool managerRunning() const
    {
        const Atom check = XInternAtom(m_display, "_NET_SUPPORTING_WM_CHECK", False);
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char *data = nullptr;
        const bool found = XGetWindowProperty(m_display, DefaultRootWindow(m_display), check, 0, 1, False, XA_WINDOW,
                                              &type, &format, &count, &after, &data)
                               == Success
                           && data && count == 1;
        if (data)
            XFree(data);
        return found;
    }

    // Where the X server has the window's client area, on the screen.
    QPoint clientPosition(const QWidget *window) const
    {
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(m_display, Window(window->winId()), DefaultRootWindow(m_display), 0, 0, &x, &y, &child);
        return QPoint(x, y);
    }

    // The user moves the window so that its frame's corner is at `corner`.
    void moveAsTheUser(const QWidget *window, const QPoint &corner) const
    {
        const Window id = Window(window->winId());
        if (withWindowManager()) {
            // A pager's request (source 2), for x and y, north-west gravity.
            XEvent event{};
            event.xclient.type = ClientMessage;
            event.xclient.window = id;
            event.xclient.message_type = XInternAtom(m_display, "_NET_MOVERESIZE_WINDOW", False);
            event.xclient.format = 32;
            event.xclient.data.l[0] = NorthWestGravity | (1 << 8) | (1 << 9) | (2 << 12);
            event.xclient.data.l[1] = corner.x();
            event.xclient.data.l[2] = corner.y();
            XSendEvent(m_display, DefaultRootWindow(m_display), False,
                       SubstructureRedirectMask | SubstructureNotifyMask, &event);
        } else {
            XMoveWindow(m_display, id, corner.x(), corner.y());
        }
        XSync(m_display, False);
    }

private:
    Display *m_display;
};

// The window's client area stands centred on its screen's available area,
// where the X server has it.
bool centred(const XServer &x, const QWidget *window)
{
    const QRect client(x.clientPosition(window), window->size());
    const QPoint off = client.center() - window->screen()->availableGeometry().center();
    return std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1;
}

QString placeOf(const QWidget *window)
{
    QString text;
    QDebug(&text) << window->objectName() << "geometry" << window->geometry() << "screen"
                  << window->screen()->availableGeometry();
    return text;
}

void click(QWidget *window, const char *name)
{
    QTest::mouseClick(testsupport::control<QPushButton>(window, name), Qt::LeftButton);
}

} // namespace

class TestWindowPlaces : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        XServer x;
        QVERIFY(x.open());
        if (!withWindowManager()) {
            QVERIFY(!x.managerRunning());
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(x.managerRunning(), 20000);
        // The manager announces itself before it manages windows: a first
        // window of its own shows when it does.
        QWidget probe;
        probe.resize(100, 100);
        probe.show();
        QVERIFY(QTest::qWaitForWindowExposed(&probe, 20000));
        QTRY_VERIFY(probe.frameGeometry().size() != probe.size());
    }

    void centredFirstAndBackWhereTheUserLeftThem()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        cards::state() = cards::DrawState{};
        XServer x;
        // The user moves the window; it is then where the X server has it.
        const auto moved = [&x](QWidget *window, const QPoint &corner, QPoint &place) {
            const QPoint before = x.clientPosition(window);
            x.moveAsTheUser(window, corner);
            QTRY_VERIFY(x.clientPosition(window) != before);
            QTRY_COMPARE(window->geometry().topLeft(), x.clientPosition(window));
            place = x.clientPosition(window);
        };
        const auto shownAt = [&x](QWidget *window, const QPoint &place) {
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QTRY_COMPARE(x.clientPosition(window), place);
            QCOMPARE(window->geometry().topLeft(), place);
        };
        app::Program program;
        program.start();
        app::ChooserWindow &chooser = program.chooser();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        QTRY_VERIFY2(centred(x, &chooser), qPrintable(placeOf(&chooser)));

        // Moved, hidden by "New Method", shown again by "< Back".
        QPoint chooserPlace;
        moved(&chooser, {101, 87}, chooserPlace);
        click(&chooser, "PushButton1");
        QWidget *drawWindow = program.drawWindow();
        QVERIFY(QTest::qWaitForWindowExposed(drawWindow));
        QTRY_VERIFY(!chooser.isVisible());
        QTRY_VERIFY2(centred(x, drawWindow), qPrintable(placeOf(drawWindow)));
        QPoint drawPlace;
        moved(drawWindow, {243, 151}, drawPlace);
        click(drawWindow, "PushButton4");
        shownAt(&chooser, chooserPlace);

        // The draw window after the full-screen view's Esc; the view covers
        // its screen each time.
        click(&chooser, "PushButton1");
        shownAt(drawWindow, drawPlace);
        for (int showing = 0; showing < 2; ++showing) {
            click(drawWindow, "PushButton5");
            draw::FullScreenView &fullScreenView = program.drawWindow()->fullScreenView();
            QVERIFY(QTest::qWaitForWindowExposed(&fullScreenView));
            QTRY_COMPARE(fullScreenView.geometry(), fullScreenView.screen()->geometry());
            QTRY_COMPARE(x.clientPosition(&fullScreenView), fullScreenView.screen()->geometry().topLeft());
            QTest::keyClick(&fullScreenView, Qt::Key_Escape);
            shownAt(drawWindow, drawPlace);
        }

        // The batch window: centred first, then where it was left.
        click(drawWindow, "PushButton4");
        shownAt(&chooser, chooserPlace);
        click(&chooser, "PushButton2");
        QWidget *batchWindow = program.batchWindow();
        QVERIFY(QTest::qWaitForWindowExposed(batchWindow));
        QTRY_VERIFY2(centred(x, batchWindow), qPrintable(placeOf(batchWindow)));
        QPoint batchPlace;
        moved(batchWindow, {57, 203}, batchPlace);
        click(batchWindow, "PushButton4");
        shownAt(&chooser, chooserPlace);
        click(&chooser, "PushButton2");
        shownAt(batchWindow, batchPlace);
        cards::state() = cards::DrawState{};
    }
};

QTEST_MAIN(TestWindowPlaces)
#include "test_window_places.moc"
