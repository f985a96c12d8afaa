// The hand pointer over the buttons: at a device pixel ratio of 1 the
// cursor file as it is; on a screen of ratio 2 the hand drawn from its
// scalable form at twice the size, smooth, with the hotspot on the same
// fingertip. (The program folder holds HAND-M.CUR; the SVG module is found
// through DEALWRIGHT_MODULE_DIR.)
#include "AppTestSupport.h"

#include "shell/Pointer.h"
#include "shell/ShellHelpers.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"

#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QtTest>

namespace {

QScreen *screenNamed(const QString &name)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->name() == name)
            return screen;
    }
    return nullptr;
}

// The pointer over the chooser's "New Method" on the named screen.
QCursor handOn(app::Program &program, const QString &screen)
{
    app::ChooserWindow &chooser = program.chooser();
    chooser.setScreen(screenNamed(screen));
    chooser.move(chooser.screen()->geometry().topLeft() + QPoint(40, 40));
    if (!chooser.isVisible())
        chooser.show();
    chooser.pointer().setStyle(shell::PointerDefault);
    chooser.pointer().setStyle(shell::PointerCustom);
    return chooser.cursor();
}

QImage pictureOf(const QCursor &cursor)
{
    QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    image.setDevicePixelRatio(1);
    return image;
}

} // namespace

class TestHandPointer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(screenNamed(QStringLiteral("double")));
        QCOMPARE(screenNamed(QStringLiteral("double"))->devicePixelRatio(), 2.0);
        QVERIFY(QFile::exists(shell::handCursorPath()));
    }

    void theCursorFileAtRatioOneAndTheScalableHandAtTwo()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        app::Program program;
        program.start();
        const std::optional<QCursor> file = shell::loadCursorFile(shell::handCursorPath());
        QVERIFY(file);

        const QCursor plain = handOn(program, QStringLiteral("big"));
        QCOMPARE(plain.shape(), Qt::BitmapCursor);
        QCOMPARE(plain.hotSpot(), QPoint(9, 2));
        QCOMPARE(pictureOf(plain), pictureOf(*file));

        const QCursor doubled = handOn(program, QStringLiteral("double"));
        QCOMPARE(doubled.shape(), Qt::BitmapCursor);
        QCOMPARE(doubled.pixmap().devicePixelRatio(), 2.0);
        const QImage device = pictureOf(doubled);
        QCOMPARE(device.size(), QSize(64, 64));
        if (!qEnvironmentVariableIsEmpty("DEALWRIGHT_SAVE_GRABS"))
            device.save(qEnvironmentVariable("DEALWRIGHT_SAVE_GRABS") + QStringLiteral("/hand-2x.png"));
        // The window system takes the hotspot in the picture's pixels.
        QCOMPARE(doubled.hotSpot(), QPoint(18, 4));
        // Drawn, not the one-bit picture enlarged: smooth edges (alpha
        // between none and full), and the fingertip at the hotspot.
        QSet<int> alphas;
        for (int y = 0; y < device.height(); ++y)
            for (int x = 0; x < device.width(); ++x)
                alphas.insert(qAlpha(device.pixel(x, y)));
        QVERIFY2(alphas.size() > 8, qPrintable(QString::number(alphas.size())));
        QVERIFY(qAlpha(device.pixel(19, 5)) == 255);
        QCOMPARE(qAlpha(device.pixel(18, 0)), 0);
        QCOMPARE(qAlpha(device.pixel(10, 10)), 0);
        // The same hand: where the file's picture is opaque, so is the
        // drawing (away from the edges, which it smooths).
        const QImage small = pictureOf(*file);
        int differ = 0;
        for (int y = 1; y < 31; ++y)
            for (int x = 1; x < 31; ++x) {
                bool inside = true;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        inside = inside && qAlpha(small.pixel(x + dx, y + dy)) == 255;
                if (inside && qAlpha(device.pixel(2 * x, 2 * y)) < 128)
                    ++differ;
            }
        QCOMPARE(differ, 0);
        // Back on the plain screen, the file again.
        QCOMPARE(pictureOf(handOn(program, QStringLiteral("big"))), pictureOf(*file));
    }
};

QTEST_MAIN(TestHandPointer)
#include "test_hand_pointer.moc"
