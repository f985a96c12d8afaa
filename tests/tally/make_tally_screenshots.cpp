// Pictures of the tally's widgets alone, for looking at them while working
// on them, under the offscreen platform with a fixed sequence of cards
// (the documentation's pictures come from the program itself:
// tests/app/make_screenshots):
//
//   QT_QPA_PLATFORM=offscreen:configfile=tests/support/screen-1920x1080.json
//   <build>/tests/make_tally_screenshots <folder>
//
// tally-alone-no-put-back.png and tally-alone-put-back.png show the
// window; tally-alone-overlay.png the overlay look on a black 1920 x 1080
// view, over its lower part.
#include "cards/Tally.h"
#include "support/TestPlatform.h"
#include "tally/TallyPanel.h"
#include "tally/TallyWindow.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>

namespace {

int g_failures = 0;

void save(const QImage &image, const QString &folder, const QString &name)
{
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++g_failures;
    }
}

// The first `count` cards of a shuffled deck.
cards::Tally withoutPuttingBack(int count)
{
    std::vector<int> deck(52);
    std::iota(deck.begin(), deck.end(), 0);
    std::shuffle(deck.begin(), deck.end(), std::mt19937(11));
    cards::Tally tally(cards::DrawMode::NoPutBack);
    for (int i = 0; i < count; ++i)
        tally.record(deck[size_t(i)]);
    return tally;
}

cards::Tally puttingBack(int count)
{
    std::mt19937 generator(5);
    std::uniform_int_distribution<int> pick(0, 51);
    cards::Tally tally(cards::DrawMode::PutBack);
    for (int i = 0; i < count; ++i)
        tally.record(pick(generator));
    return tally;
}

QImage windowPicture(const cards::Tally &tally)
{
    tally::TallyWindow window;
    window.setTally(&tally);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "the tally window was not exposed\n");
    QApplication::processEvents();
    return window.grab().toImage();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    testsupport::TempConfig config;
    testsupport::TestPlatform platform;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    const cards::Tally dealt = withoutPuttingBack(17);
    save(windowPicture(dealt), folder, QStringLiteral("tally-alone-no-put-back"));
    const cards::Tally many = puttingBack(600);
    save(windowPicture(many), folder, QStringLiteral("tally-alone-put-back"));

    // The overlay over the lower part of a black 1920 x 1080 view.
    QWidget view;
    view.setAutoFillBackground(true);
    QPalette black = view.palette();
    black.setColor(QPalette::Window, Qt::black);
    view.setPalette(black);
    view.resize(1920, 1080);
    tally::TallyPanel panel(&view);
    panel.setLook(tally::overlayLook(1080));
    panel.setTally(&many);
    const int height = std::min(1080, panel.heightForWidth(1920 - 40));
    panel.setGeometry(20, 1080 - height - 20, 1920 - 40, height);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view))
        std::fprintf(stderr, "the view was not exposed\n");
    QApplication::processEvents();
    save(view.grab().toImage(), folder, QStringLiteral("tally-alone-overlay"));
    std::printf("overlay height %d of 1080\n", height);
    return g_failures == 0 ? 0 : 1;
}
