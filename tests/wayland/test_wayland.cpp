// The program's windows on a real Wayland compositor (weston, started by
// wayland_session.sh): the windows open, the full-screen view covers its output as
// the compositor places it, Space draws and Esc returns, and the hand
// pointer shows over the push buttons. Input comes through Qt's window
// system interface, as the compositor's events do; where the compositor
// places the windows comes from weston itself (weston-debug's scene graph).
#include "app/ChooserWindow.h"
#include "app/Program.h"
#include "batch/BatchWindow.h"
#include "cards/DrawState.h"
#include "draw/DrawWindow.h"
#include "draw/FullScreenView.h"
#include "shell/Platform.h"
#include "shell/Pointer.h"
#include "shell/ShellHelpers.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QWindow>
#include <QtTest>
#include <memory>

namespace {

using testsupport::control;

// A point of `widget` in its window's coordinates.
QPoint inWindow(QWidget *widget, QPoint point)
{
    return widget->mapTo(widget->window(), point);
}

// Presses a push button as the compositor's pointer events would.
void click(QPushButton *button)
{
    QWindow *window = button->window()->windowHandle();
    QVERIFY(window);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, inWindow(button, button->rect().center()));
}

// What weston shows of one window.
struct View {
    QString title;
    quint64 layer = 0;  // the layer's position: 0xb0000000 is the full-screen layer
    QRect place;
};

constexpr quint64 FullScreenLayer = 0xb0000000;

// The compositor's scene graph: every toplevel view with its layer and
// its place on the output.
QList<View> compositorViews()
{
    const QString tool = qEnvironmentVariable("DEALWRIGHT_WESTON_DEBUG");
    QList<View> views;
    if (tool.isEmpty())
        return views;
    QProcess process;
    process.start(tool, {QStringLiteral("scene-graph")});
    if (!process.waitForFinished(10000))
        return views;
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression layerLine(QStringLiteral("^Layer \\d+ \\(pos 0x([0-9a-f]+)\\):"));
    static const QRegularExpression viewLine(QStringLiteral("^\\s+View \\d+ \\(role xdg_toplevel.*top-level window '(.*)' of"));
    static const QRegularExpression placeLine(
        QStringLiteral("^\\s+position: \\((-?\\d+), (-?\\d+)\\) -> \\((-?\\d+), (-?\\d+)\\)"));
    quint64 layer = 0;
    View *open = nullptr;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        QRegularExpressionMatch m;
        if ((m = layerLine.match(line)).hasMatch()) {
            layer = m.captured(1).toULongLong(nullptr, 16);
            open = nullptr;
        } else if ((m = viewLine.match(line)).hasMatch()) {
            views.append(View{m.captured(1), layer, QRect()});
            open = &views.last();
        } else if (open && (m = placeLine.match(line)).hasMatch()) {
            open->place = QRect(QPoint(m.captured(1).toInt(), m.captured(2).toInt()),
                                QPoint(m.captured(3).toInt() - 1, m.captured(4).toInt() - 1));
            open = nullptr;
        }
    }
    return views;
}

QString describe(const QList<View> &views)
{
    QStringList parts;
    for (const View &v : views)
        parts.append(QStringLiteral("'%1' in layer 0x%2 at %3,%4 %5x%6")
                         .arg(v.title)
                         .arg(v.layer, 0, 16)
                         .arg(v.place.x())
                         .arg(v.place.y())
                         .arg(v.place.width())
                         .arg(v.place.height()));
    return parts.isEmpty() ? QStringLiteral("no toplevel views") : parts.join(QStringLiteral("; "));
}

// The compositor shows a window titled `title` in its full-screen layer,
// covering exactly `output`.
bool coversOutput(const QList<View> &views, const QString &title, const QRect &output)
{
    for (const View &v : views) {
        if (v.title == title && v.layer == FullScreenLayer && v.place == output)
            return true;
    }
    return false;
}

// A window titled `title` shown as an ordinary window (not full screen).
bool shownAsWindow(const QList<View> &views, const QString &title)
{
    for (const View &v : views) {
        if (v.title == title && v.layer != FullScreenLayer && !v.place.isEmpty())
            return true;
    }
    return false;
}

bool nothingFullScreen(const QList<View> &views)
{
    for (const View &v : views) {
        if (v.layer == FullScreenLayer)
            return false;
    }
    return true;
}

bool sameCursor(const QCursor &a, const QCursor &b)
{
    return a.shape() == b.shape() && a.hotSpot() == b.hotSpot()
        && a.pixmap().toImage().convertToFormat(QImage::Format_ARGB32)
               == b.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

// One start of the program's windows, with recorded message boxes.
struct World {
    World()
    {
        platform.clock.running = true;
        cards::state() = cards::DrawState{};
        shell::setEndRequested(false);
        program = std::make_unique<app::Program>();
    }
    ~World()
    {
        program.reset();
        cards::state() = cards::DrawState{};
    }
    testsupport::TempConfig config;
    testsupport::TestPlatform platform;
    std::unique_ptr<app::Program> program;
};

} // namespace

class TestWayland : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Anything else (offscreen, X) would prove nothing here.
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        QVERIFY2(!qEnvironmentVariableIsEmpty("DEALWRIGHT_WESTON_DEBUG"),
                 "run under wayland_session.sh: it starts weston with its debug extension");
        QVERIFY2(QGuiApplication::primaryScreen(), "the compositor has no output");
        qInfo() << "output" << QGuiApplication::primaryScreen()->name()
                << QGuiApplication::primaryScreen()->geometry();
    }

    void windowsOpen()
    {
        World world;
        world.program->start();
        app::ChooserWindow &main = world.program->chooser();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QTRY_VERIFY2(shownAsWindow(compositorViews(), QStringLiteral("Dealwright")),
                     qPrintable(describe(compositorViews())));

        click(control<QPushButton>(&main, "PushButton1"));  // "New Method"
        QVERIFY(world.program->drawWindow());
        QVERIFY(QTest::qWaitForWindowExposed(world.program->drawWindow()));
        QTRY_VERIFY(!main.isVisible());

        QTest::mouseClick(control<QPushButton>(world.program->drawWindow(), "PushButton4"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        click(control<QPushButton>(&main, "PushButton2"));  // "Old Method"
        QVERIFY(world.program->batchWindow());
        QVERIFY(QTest::qWaitForWindowExposed(world.program->batchWindow()));
        QVERIFY2(world.platform.messages.shown.isEmpty(), qPrintable(world.platform.messages.texts().join(" | ")));
    }

    void viewerCoversItsOutputSpaceDrawsEscReturns()
    {
        World world;
        world.program->showDrawWindow();
        draw::DrawWindow *form = world.program->drawWindow();
        QVERIFY(form);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTRY_VERIFY2(nothingFullScreen(compositorViews()), qPrintable(describe(compositorViews())));

        click(control<QPushButton>(form, "PushButton5"));  // "Show Cards On Full Screen"
        draw::FullScreenView &fullScreenView = form->fullScreenView();
        QTRY_VERIFY(fullScreenView.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&fullScreenView));
        QScreen *screen = fullScreenView.screen();
        QVERIFY(screen);
        const QRect output = screen->geometry();
        // As the compositor configured it: full screen, the output's size...
        QTRY_VERIFY(fullScreenView.windowHandle()->windowStates() & Qt::WindowFullScreen);
        QTRY_COMPARE(fullScreenView.size(), output.size());
        // ... and as the compositor shows it: in its full-screen layer,
        // over the whole output.
        QTRY_VERIFY2_WITH_TIMEOUT(coversOutput(compositorViews(), QStringLiteral("Dealwright"), output),
                                  qPrintable(QStringLiteral("output %1x%2; compositor: %3")
                                                 .arg(output.width())
                                                 .arg(output.height())
                                                 .arg(describe(compositorViews()))),
                                  10000);
        qInfo().noquote() << "compositor:" << describe(compositorViews());
        QTRY_VERIFY(!form->isVisible());

        // Space draws, another key does nothing, Esc goes back.
        QWindow *window = fullScreenView.windowHandle();
        const int before = cards::state().drawCount;
        QTest::keyClick(window, Qt::Key_Space);
        QTRY_COMPARE(cards::state().drawCount, before + 1);
        QTRY_COMPARE(control<QLabel>(&fullScreenView, "Label1")->text(), QStringLiteral("Cards drawn: %1").arg(before + 1));
        QTest::keyClick(window, Qt::Key_Space);
        QTRY_COMPARE(cards::state().drawCount, before + 2);
        QTest::keyClick(window, Qt::Key_A);
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(cards::state().drawCount, before + 2);
        QVERIFY(fullScreenView.isVisible());

        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!fullScreenView.isVisible());
        QTRY_VERIFY(form->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QCOMPARE(cards::state().drawCount, before + 2);
        QCOMPARE(control<QLabel>(form, "Label1")->text(), QStringLiteral("Cards drawn: %1").arg(before + 2));
        QTRY_VERIFY2_WITH_TIMEOUT(nothingFullScreen(compositorViews())
                                      && shownAsWindow(compositorViews(), QStringLiteral("Dealwright")),
                                  qPrintable(describe(compositorViews())), 10000);

        // And once more: the full-screen view covers the output again.
        click(control<QPushButton>(form, "PushButton5"));
        QTRY_VERIFY(fullScreenView.isVisible());
        QTRY_COMPARE(fullScreenView.size(), output.size());
        QTRY_VERIFY2_WITH_TIMEOUT(coversOutput(compositorViews(), QStringLiteral("Dealwright"), output),
                                  qPrintable(describe(compositorViews())), 10000);
        QTest::keyClick(fullScreenView.windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(form->isVisible());
        QVERIFY2(world.platform.messages.shown.isEmpty(), qPrintable(world.platform.messages.texts().join(" | ")));
    }

    void handPointerOverPushButtons()
    {
        const QString cursorFile = shell::handCursorPath();
        QVERIFY2(QFile::exists(cursorFile), qPrintable(cursorFile + " is not beside the program"));
        const std::optional<QCursor> hand = shell::loadCursorFile(cursorFile);
        QVERIFY2(hand.has_value(), qPrintable(cursorFile + " is no cursor"));

        World world;
        world.program->showDrawWindow();
        draw::DrawWindow *form = world.program->drawWindow();
        QVERIFY(form);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QVERIFY(form->pointer().hasCustomCursor());
        QWindow *window = form->windowHandle();

        auto *frame = control<QWidget>(form, "Frame2");  // the card area
        for (const char *name : {"PushButton2", "PushButton1", "PushButton5", "PushButton4"}) {
            auto *button = control<QPushButton>(form, name);
            QTest::mouseMove(window, inWindow(button, button->rect().center()));
            QTRY_VERIFY2(sameCursor(form->cursor(), *hand), name);
            QVERIFY2(sameCursor(window->cursor(), *hand), name);
            // Off the button, over the card area: the standard pointer again.
            QTest::mouseMove(window, inWindow(frame, QPoint(frame->width() - 4, frame->height() / 2)));
            QTRY_COMPARE(form->cursor().shape(), Qt::ArrowCursor);
            QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
        }
        QVERIFY2(world.platform.messages.shown.isEmpty(), qPrintable(world.platform.messages.texts().join(" | ")));
    }
};

QTEST_MAIN(TestWayland)
#include "test_wayland.moc"
