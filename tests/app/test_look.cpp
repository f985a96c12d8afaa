// Every window as a user with another desktop sees it: every text legible
// under a dark palette, and no caption clipped and no window larger than its
// screen with a large desktop font, a scale factor or a high DPI. The same
// test runs under each of those set-ups (see CMakeLists.txt); the font size
// comes from DEALWRIGHT_TEST_FONT_POINTS.
#include "AppTestSupport.h"

#include "app/ChooserWindow.h"
#include "app/Program.h"
#include "batch/BatchWindow.h"
#include "draw/DrawWindow.h"
#include "draw/FullScreenView.h"
#include "shell/Twips.h"
#include "support/Contrast.h"
#include "support/Captions.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTreeWidget>
#include <QtTest>
#include <QtMath>
#include <cmath>

namespace {

using testsupport::captionArea;
using testsupport::captionOf;
using testsupport::textContrast;

// The program's four windows, each shown and filled as a user finds them.
struct AllWindows {
    AllWindows()
    {
        cards::state() = cards::DrawState{};
        program.start();
        program.showDrawWindow();
        program.showBatchWindow();
        QTest::mouseClick(testsupport::control<QPushButton>(program.drawWindow(), "PushButton2"), Qt::LeftButton);
        QTest::mouseClick(testsupport::control<QPushButton>(program.drawWindow(), "PushButton2"), Qt::LeftButton);
        QTest::mouseClick(testsupport::control<QPushButton>(program.drawWindow(), "PushButton5"), Qt::LeftButton);
        QTRY_VERIFY(program.drawWindow()->fullScreenView().isVisible());
        QTest::mouseClick(testsupport::control<QPushButton>(program.batchWindow(), "PushButton2"), Qt::LeftButton);
        program.showChooser();
    }
    ~AllWindows() { cards::state() = cards::DrawState{}; }

    QList<QWidget *> windows()
    {
        return {&program.chooser(), program.drawWindow(), program.batchWindow(), &program.drawWindow()->fullScreenView()};
    }

    testsupport::TempConfig config;
    testsupport::TestPlatform platform;
    app::Program program;
};

} // namespace

class TestLook : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const int points = qEnvironmentVariableIntValue("DEALWRIGHT_TEST_FONT_POINTS");
        if (points > 0) {
            QFont font = QApplication::font();
            font.setPointSize(points);
            QApplication::setFont(font);
        }
    }

    // Every caption fits its control, in width and height; every window
    // fits its screen's available area.
    void noCaptionClippedNoWindowTooLarge()
    {
        AllWindows all;
        QStringList clipped;
        for (QWidget *window : all.windows()) {
            const QRect available = window->screen()->availableGeometry();
            if (window->objectName() != QLatin1String("Form4")) {
                QVERIFY2(window->frameGeometry().width() <= available.width()
                             && window->frameGeometry().height() <= available.height(),
                         qPrintable(window->objectName()));
            }
            clipped << testsupport::clippedCaptions(window);
            // The list's header in its column.
            if (auto *list = window->findChild<QTreeWidget *>(QStringLiteral("ListView1"))) {  // the batch window only
                const QString header = list->headerItem()->text(0);
                if (list->header()->fontMetrics().horizontalAdvance(header) + 8 > list->header()->sectionSize(0))
                    clipped << QStringLiteral("the list's header");
            }
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }

    // Under a dark desktop palette every caption and label reads at a
    // contrast of at least 4.5 : 1 against the background around it.
    void everyTextLegibleInADarkTheme()
    {
        if (qEnvironmentVariableIsSet("DEALWRIGHT_TEST_FONT_POINTS") || qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
            QSKIP("the palette is checked once, at the design's size");
        const QPalette saved = QApplication::palette();
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(45, 45, 45));
        dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
        dark.setColor(QPalette::Text, QColor(238, 238, 236));
        dark.setColor(QPalette::Button, QColor(53, 53, 53));
        dark.setColor(QPalette::ButtonText, QColor(238, 238, 236));
        dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
        dark.setColor(QPalette::HighlightedText, Qt::white);
        QApplication::setPalette(dark);
        {
            AllWindows all;
            QStringList faint;
            for (QWidget *window : all.windows()) {
                // In device pixels (a screen of 120 or 144 DPI has a pixel
                // ratio of 1.25 or 1.5).
                const QPixmap grabbed = window->grab();
                const qreal ratio = grabbed.devicePixelRatio();
                QImage shot = grabbed.toImage();
                shot.setDevicePixelRatio(1);
                for (QWidget *control : window->findChildren<QWidget *>()) {
                    if (captionOf(control).isEmpty() || !control->isVisibleTo(window))
                        continue;
                    // The caption's area in device pixels, inside the control.
                    const QRect logical = captionArea(control).translated(control->mapTo(window, QPoint(0, 0)));
                    const QRect area = QRect(qCeil(logical.x() * ratio), qCeil(logical.y() * ratio),
                                             qFloor(logical.width() * ratio) - 1, qFloor(logical.height() * ratio) - 1)
                                           .intersected(shot.rect());
                    const double measured = textContrast(shot.copy(area));
                    if (measured < 4.5)
                        faint << QStringLiteral("%1/%2 \"%3\": %4 : 1")
                                     .arg(window->objectName(), control->objectName(), captionOf(control))
                                     .arg(measured, 0, 'f', 2);
                }
            }
            QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QLatin1Char('\n'))));
        }
        QApplication::setPalette(saved);
    }
};

QTEST_MAIN(TestLook)
#include "test_look.moc"
