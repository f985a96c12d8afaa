// Details a user meets on any desktop, measured on grabs of the real
// windows: the option buttons and the count strip in a dark theme, the
// progress bar's groove and filled part in light and dark palettes, the
// chooser's focus mark in its skin, the empty batch list's focus mark, and
// windows whose layout is fixed keeping their size.
#include "AppTestSupport.h"

#include "app/ChooserWindow.h"
#include "batch/BatchWindow.h"
#include "draw/DrawWindow.h"
#include "draw/FullScreenView.h"
#include "support/Contrast.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTreeWidget>
#include <QMenuBar>
#include <QtTest>

namespace {

double contrastRatio(const QColor &a, const QColor &b) { return testsupport::contrast(a, b); }

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(48, 48, 48));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
    dark.setColor(QPalette::Base, QColor(34, 34, 34));
    dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    dark.setColor(QPalette::Text, QColor(238, 238, 236));
    dark.setColor(QPalette::Button, QColor(48, 48, 48));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Mid, QColor(30, 30, 30));
    dark.setColor(QPalette::Dark, QColor(25, 25, 25));
    dark.setColor(QPalette::Light, QColor(70, 70, 70));
    return dark;
}

// A palette for the length of a test.
class PaletteInForce {
public:
    explicit PaletteInForce(const QPalette &palette) : m_saved(QApplication::palette())
    {
        QApplication::setPalette(palette);
    }
    ~PaletteInForce() { QApplication::setPalette(m_saved); }

private:
    QPalette m_saved;
};

QImage grabbed(QWidget *widget)
{
    QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    // DEALWRIGHT_SAVE_GRABS names a folder for looking at them.
    static int grabs = 0;
    if (!qEnvironmentVariableIsEmpty("DEALWRIGHT_SAVE_GRABS"))
        image.save(qEnvironmentVariable("DEALWRIGHT_SAVE_GRABS") + QLatin1Char('/') + widget->objectName()
                   + QStringLiteral("-%1.png").arg(++grabs));
    return image;
}

// The most contrast of any pixel of the area against `background`.
double mostContrast(const QImage &image, const QRect &area, const QColor &background)
{
    double best = 1;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            best = std::max(best, contrastRatio(QColor(image.pixel(x, y)), background));
    return best;
}

struct Windows {
    Windows()
    {
        cards::state() = cards::DrawState{};
        program.start();
        program.showDrawWindow();
        program.showBatchWindow();
    }
    ~Windows() { cards::state() = cards::DrawState{}; }
    testsupport::TempConfig config;
    testsupport::TestPlatform platform;
    app::Program program;
};

} // namespace

// The height of a window's menu bar (0 for a window without one).
static int menuBarHeight(QWidget *window)
{
    const QMenuBar *bar = window->findChild<QMenuBar *>();
    return bar ? bar->height() : 0;
}

class TestDetailsLook : public QObject {
    Q_OBJECT
private slots:
    // In a dark theme both option buttons stand out from the window by
    // 3 : 1 or more, the chosen one's dot as much as the other's ring.
    void optionButtonsStandOutInADarkTheme()
    {
        const PaletteInForce dark(darkPalette());
        Windows w;
        for (const char *name : {"Option1", "Option2"}) {
            auto *option = testsupport::control<QRadioButton>(w.program.drawWindow(), name);
            QStyleOptionButton style;
            style.initFrom(option);
            const QRect mark = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
            const QImage shot = grabbed(option);
            const QColor window = option->palette().color(QPalette::Window);
            QVERIFY2(contrastRatio(window, QColor(48, 48, 48)) < 1.1, name);
            // The ring: the most distinct pixel of the mark's edge.
            const double ring = mostContrast(shot, mark, window);
            QVERIFY2(ring >= 3.0, qPrintable(QStringLiteral("%1: %2 : 1").arg(QLatin1String(name)).arg(ring)));
            if (option->isChecked()) {
                const QRect centre(mark.center() - QPoint(1, 1), QSize(3, 3));
                double dot = 21;
                for (int y = centre.top(); y <= centre.bottom(); ++y)
                    for (int x = centre.left(); x <= centre.right(); ++x)
                        dot = std::min(dot, contrastRatio(QColor(shot.pixel(x, y)), window));
                QVERIFY2(dot >= 3.0, qPrintable(QStringLiteral("the chosen option's dot: %1 : 1").arg(dot)));
            }
        }
    }

    // The count strips do not glare in a dark window: the palette's field
    // colour with its text, as far apart as the palette makes them.
    void countStripsTakeTheFieldColoursInADarkTheme()
    {
        const PaletteInForce dark(darkPalette());
        Windows w;
        w.program.drawWindow()->fullScreenView().load();
        for (QWidget *window : {static_cast<QWidget *>(w.program.drawWindow()),
                                static_cast<QWidget *>(&w.program.drawWindow()->fullScreenView())}) {
            auto *label = testsupport::control<QLabel>(window, "Label1");
            const QImage shot = grabbed(label);
            QCOMPARE(QColor(shot.pixel(shot.width() - 2, shot.height() / 2)), QColor(34, 34, 34));
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(238, 238, 236));
            QVERIFY(mostContrast(shot, shot.rect(), QColor(34, 34, 34)) >= 7.0);
        }
    }

    void countStripsStayWhiteInALightTheme()
    {
        Windows w;
        auto *label = testsupport::control<QLabel>(w.program.drawWindow(), "Label1");
        const QImage shot = grabbed(label);
        QCOMPARE(QColor(shot.pixel(shot.width() - 2, shot.height() / 2)), QColor(Qt::white));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    // The progress bar keeps its text and looks like a progress bar, not a
    // button: a groove cut into the window (darker than it, where the push
    // buttons stand out lighter or as light), its text legible, and a filled
    // part that stands out from the groove.
    void theProgressBarHasAGrooveAndAFilledPart_data()
    {
        QTest::addColumn<bool>("darkTheme");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    void theProgressBarHasAGrooveAndAFilledPart()
    {
        QFETCH(bool, darkTheme);
        const PaletteInForce palette(darkTheme ? darkPalette() : QApplication::palette());
        Windows w;
        QWidget *window = w.program.batchWindow();
        auto *bar = testsupport::control<QProgressBar>(window, "ProgressBar1");
        // As the user finds it after a generation.
        QTest::mouseClick(testsupport::control<QPushButton>(window, "PushButton2"), Qt::LeftButton);
        QCOMPARE(bar->text(), QStringLiteral("Progress Bar"));
        const QImage shot = grabbed(window);
        const QColor windowColour(shot.pixel(2, shot.height() - 2));
        const QPoint inBar = bar->mapTo(window, QPoint(bar->width() / 8, bar->height() / 4));
        const QColor groove(shot.pixel(inBar));
        auto *button = testsupport::control<QPushButton>(window, "PushButton1");
        const QColor buttonFace(shot.pixel(button->mapTo(window, QPoint(button->width() / 8, button->height() / 4))));
        const QString seen = QStringLiteral("window %1, groove %2, button %3")
                                 .arg(windowColour.name(), groove.name(), buttonFace.name());
        QVERIFY2(testsupport::luminance(groove) < testsupport::luminance(windowColour)
                     && contrastRatio(groove, windowColour) >= 1.2,
                 qPrintable(seen));
        QVERIFY2(testsupport::luminance(buttonFace) >= testsupport::luminance(windowColour) * 0.95, qPrintable(seen));
        // The text, in the middle of the groove.
        const QRect text(bar->mapTo(window, QPoint(bar->width() / 2 - 40, 2)), QSize(80, bar->height() - 4));
        QVERIFY2(mostContrast(shot, text, groove) >= 4.5, qPrintable(seen));

        bar->setValue(50);
        const QImage half = grabbed(bar);
        bar->setValue(0);
        const QColor filled(half.pixel(half.width() / 8, half.height() / 4));
        const QColor unfilled(half.pixel(half.width() * 7 / 8, half.height() / 4));
        QVERIFY2(contrastRatio(filled, unfilled) >= 3.0,
                 qPrintable(QStringLiteral("filled %1, groove %2").arg(filled.name(), unfilled.name())));
        QCOMPARE(unfilled, groove);
    }

    // The chooser's skin marks the focused button with a border that
    // differs from the unfocused look by at least 3 : 1, two pixels or
    // more deep on every side.
    void theChoosersFocusMarkStandsOut()
    {
        Windows w;
        app::ChooserWindow &chooser = w.program.chooser();
        w.program.showChooser();
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        QVERIFY2(!chooser.styleSheet().isEmpty(), "the skin is applied");
        auto *button = testsupport::control<QPushButton>(&chooser, "PushButton1");
        chooser.setFocus(Qt::OtherFocusReason);
        QVERIFY(!button->hasFocus());
        const QImage before = grabbed(button);
        button->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(button->hasFocus());
        const QImage after = grabbed(button);
        QCOMPARE(after.size(), before.size());
        const auto changed = [&](int x, int y) {
            return contrastRatio(QColor(before.pixel(x, y)), QColor(after.pixel(x, y))) >= 3.0;
        };
        // From each side's middle inwards: the depth of the mark.
        const int midX = after.width() / 2;
        const int midY = after.height() / 2;
        const struct {
            const char *side;
            QPoint from;
            QPoint step;
        } sides[] = {{"top", {midX + 40, 0}, {0, 1}},
                     {"bottom", {midX + 40, after.height() - 1}, {0, -1}},
                     {"left", {0, midY}, {1, 0}},
                     {"right", {after.width() - 1, midY}, {-1, 0}}};
        for (const auto &side : sides) {
            int depth = 0;
            bool started = false;
            for (QPoint p = side.from; after.rect().contains(p) && (depth == 0 || started); p += side.step) {
                if (changed(p.x(), p.y())) {
                    started = true;
                    ++depth;
                } else if (started) {
                    break;
                }
                if (!started && (p - side.from).manhattanLength() > 6)
                    break;
            }
            QVERIFY2(depth >= 2, qPrintable(QStringLiteral("%1: a mark %2 pixels deep").arg(QLatin1String(side.side)).arg(depth)));
        }
    }

    // The empty batch list with the focus shows a mark of 3 : 1 along its
    // inside; without the focus it has none.
    void theEmptyListShowsItsFocus()
    {
        Windows w;
        QWidget *window = w.program.batchWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *list = testsupport::control<QTreeWidget>(window, "ListView1");
        QCOMPARE(list->topLevelItemCount(), 0);
        QVERIFY(!list->hasFocus());
        const QImage before = grabbed(list->viewport());
        list->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(list->hasFocus());
        const QImage after = grabbed(list->viewport());
        const QColor field = list->palette().color(QPalette::Base);
        for (const QPoint &edge : {QPoint(after.width() / 2, 0), QPoint(after.width() / 2, after.height() - 1),
                                   QPoint(0, after.height() / 2), QPoint(after.width() - 1, after.height() / 2)}) {
            QCOMPARE(QColor(before.pixel(edge)), field);
            QVERIFY2(contrastRatio(QColor(after.pixel(edge)), field) >= 3.0, qPrintable(QColor(after.pixel(edge)).name()));
        }
        QCOMPARE(QColor(after.pixel(after.width() / 2, after.height() / 2)), field);
    }

    // The chooser and the batch window keep their size (the designed size
    // at the window's scale, and the menu bar above it) and offer no
    // maximise; so does the draw window.
    void windowsWithAFixedLayoutKeepTheirSize()
    {
        Windows w;
        const QList<std::pair<QWidget *, QSize>> windows{
            {&w.program.chooser(), QSize(536, 76)},
            {w.program.batchWindow(), QSize(540, 440) + QSize(0, menuBarHeight(w.program.batchWindow()))},
            {w.program.drawWindow(), QSize(552, 464) + QSize(0, menuBarHeight(w.program.drawWindow()))}};
        for (const auto &[window, designed] : windows) {
            QCOMPARE(window->size(), designed);
            QCOMPARE(window->minimumSize(), designed);
            QCOMPARE(window->maximumSize(), designed);
            QVERIFY2(!(window->windowFlags() & Qt::WindowMaximizeButtonHint), qPrintable(window->objectName()));
            QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
            QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
            window->resize(designed * 2);
            QCOMPARE(window->size(), designed);
        }
    }

    // With a larger desktop font the fixed size is the larger scale's.
    void aLargerFontStillScalesTheFixedWindows()
    {
        const QFont saved = QApplication::font();
        QFont large = saved;
        large.setPointSize(15);
        QApplication::setFont(large);
        {
            Windows w;
            QCOMPARE(w.program.chooser().size(), QSize(804, 114));
            QCOMPARE(w.program.chooser().maximumSize(), QSize(804, 114));
            QCOMPARE(w.program.batchWindow()->maximumSize(),
                     QSize(810, 660) + QSize(0, menuBarHeight(w.program.batchWindow())));
        }
        QApplication::setFont(saved);
    }
};

QTEST_MAIN(TestDetailsLook)
#include "test_details_look.moc"
