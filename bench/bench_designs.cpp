// Card designs from the installed card decks (/usr/share/carddecks):
// - listing them for a menu (the quick catalogue: index files and a glance
//   at each SVG file), goal under 100 ms with Debian's sixteen;
// - the full check of all of them, as --list-designs does;
// - opening one deck (read, unpack, structure check, parse, 52 faces found);
// - the first showing of 52 faces at the full-screen view's small-card
//   size on a 1920 x 1080 screen, the design already open and the rendering
//   cache empty: on the showing thread alone (/0), and with the faces
//   prepared on the worker threads while the showing thread takes them in
//   order (/1). Goal under 300 ms for svg-nicu-white and svg-standard;
// - the real full-screen view on a 1920 x 1080 screen shown for the first
//   time after 52 draws in a design, the rendering cache empty: from the
//   click on "Show Cards On Full Screen" until all 52 faces are painted
//   (the view shows the faces that are ready and fills in the others as
//   the worker threads land them); "firstFrameMs" is the view's first
//   paint. Goal under 300 ms for svg-nicu-white and svg-standard;
// - the tally window opened the first time after 52 draws, its grid showing
//   the 52 faces in the design.
// Run: build/bench/bench_designs [--benchmark_filter=...]
#include "BenchSupport.h"
#include "cards/DrawState.h"
#include "deck/CardDesigns.h"
#include "deck/CardImage.h"
#include "deck/CardPixmaps.h"
#include "deck/DesignPixmaps.h"
#include "draw/DrawTally.h"
#include "draw/DrawWindow.h"
#include "draw/FullScreenLayout.h"
#include "draw/FullScreenView.h"
#include "tally/TallyWindow.h"
#include "menus/ChosenDesign.h"
#include "shell/Convert.h"
#include "shell/Twips.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const QStringList Languages{QStringLiteral("de-DE"), QStringLiteral("de")};

// The full-screen view's small card on a 1920-pixel-wide screen, in pixels.
QSize fullScreenCardSize()
{
    const draw::CardSize twips = draw::smallCardSizeByWidth(1920 * shell::PictureTwipsPerPixel);
    return QSize(int(shell::roundHalfEven(double(twips.width) / shell::PictureTwipsPerPixel)),
                 int(shell::roundHalfEven(double(twips.height) / shell::PictureTwipsPerPixel)));
}

void BM_ListDesigns(benchmark::State &state)
{
    int found = 0;
    for (auto _ : state)
        found = deck::scanDesigns(Languages).designs.size();
    state.counters["designs"] = found;
}
BENCHMARK(BM_ListDesigns)->Unit(benchmark::kMillisecond);

void BM_CheckAllDesigns(benchmark::State &state)
{
    int passed = 0;
    for (auto _ : state)
        passed = deck::checkedDesigns(deck::scanDesigns(Languages)).designs.size();
    state.counters["designs"] = passed;
}
BENCHMARK(BM_CheckAllDesigns)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_OpenDesign(benchmark::State &state, const deck::DesignInfo &info)
{
    for (auto _ : state) {
        // Nothing holds it afterwards: each round reads and parses anew.
        auto design = deck::openDesign(info);
        benchmark::DoNotOptimize(design.get());
    }
}

void BM_FirstShowing52(benchmark::State &state, const deck::DesignInfo &info)
{
    const auto design = deck::openDesign(info);
    const bool warm = state.range(0) != 0;
    const QSize size = fullScreenCardSize();
    for (auto _ : state) {
        state.PauseTiming();
        deck::clearScalableCache();
        state.ResumeTiming();
        if (warm)
            deck::warmDesignFaces(design, size);
        for (int card = 0; card < 52; ++card) {
            const QPixmap face = deck::designPixmap(*design, deck::faceElementId(card), size, 1);
            benchmark::DoNotOptimize(face.cacheKey());
        }
    }
    state.SetLabel(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
}

// A new draw window (no card image in it holds a face yet) on the first
// screen, after 52 draws without putting back.
std::unique_ptr<draw::DrawWindow> windowAfter52Draws(shell::Navigator &navigator)
{
    cards::state() = cards::DrawState{};
    auto form = std::make_unique<draw::DrawWindow>(navigator);
    form->load();
    form->setScreen(QGuiApplication::primaryScreen());
    form->show();
    for (int i = 0; i < 52; ++i)
        testsupport::control<QPushButton>(form.get(), "PushButton2")->click();
    QCoreApplication::processEvents();
    return form;
}

// The full-screen view's first showing after 52 draws, in the design: a
// new draw window each round, so that no card image holds a face yet.
void BM_FullScreenShowing52(benchmark::State &state, const deck::DesignInfo &info)
{
    testsupport::TempConfig config;
    testsupport::TestPlatform platform;
    testsupport::RecordingNavigator navigator;
    const auto design = deck::openDesign(info);
    menus::useDesignForThisRun(design);
    QElapsedTimer clock;
    qint64 firstFrame = 0;
    int renders = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto form = windowAfter52Draws(navigator);
        draw::FullScreenView &view = form->fullScreenView();
        deck::clearScalableCache();
        benchsupport::PaintProbe painted(&view);
        state.ResumeTiming();
        clock.start();
        testsupport::control<QPushButton>(form.get(), "PushButton5")->click();
        while (!painted.painted || !cards::state().fullScreenLaidOut)
            QCoreApplication::processEvents();
        firstFrame = clock.elapsed();
        const QSize card = deck::devicePixelSize(testsupport::control<deck::CardImage>(&view, "Image2")->size(), 1);
        // The view paints as the faces land, until the last.
        QFutureWatcher<void> faces;
        QEventLoop landing;
        QObject::connect(&faces, &QFutureWatcher<void>::finished, &landing, &QEventLoop::quit);
        faces.setFuture(deck::warmDesignFaces(design, card));
        if (!faces.isFinished())
            landing.exec();
        view.repaint();
        state.PauseTiming();
        renders = deck::scalableCacheStats().renders;
        form.reset();
        state.ResumeTiming();
    }
    state.counters["firstFrameMs"] = double(firstFrame);
    state.counters["renders"] = renders;
    menus::forgetChosenDesign();
}

// The tally window opened the first time after 52 draws in the design,
// until its grid has shown the 52 faces at its small size.
void BM_TallyGridFirstShowing52(benchmark::State &state, const deck::DesignInfo &info)
{
    testsupport::TempConfig config;
    testsupport::TestPlatform platform;
    testsupport::RecordingNavigator navigator;
    menus::useDesignForThisRun(deck::openDesign(info));
    for (auto _ : state) {
        state.PauseTiming();
        auto form = windowAfter52Draws(navigator);
        deck::clearScalableCache();
        state.ResumeTiming();
        tally::TallyWindow &window = form->drawTally().showWindow();
        QElapsedTimer limit;
        limit.start();
        while (deck::scalableCacheStats().renders < 52 && limit.elapsed() < 10000)
            QCoreApplication::processEvents();
        window.repaint();
        if (deck::scalableCacheStats().renders < 52) {
            state.SkipWithError("the grid did not show the 52 faces");
            break;
        }
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    menus::forgetChosenDesign();
}

} // namespace

int main(int argc, char **argv)
{
    // Two screens, 1920 x 1080 (the first) and 3840 x 2160.
    benchsupport::useOffscreenScreens(DEALWRIGHT_BENCH_SCREENS);
    QApplication application(argc, argv);
    // Only the system's decks, not whatever the user has added.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    static const deck::DesignCatalogue catalogue = deck::scanDesigns(Languages);
    for (const deck::DesignInfo &info : catalogue.designs) {
        const std::string name = info.folder.toStdString();
        benchmark::RegisterBenchmark(("BM_OpenDesign/" + name).c_str(), BM_OpenDesign, info)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
        benchmark::RegisterBenchmark(("BM_FirstShowing52/" + name).c_str(), BM_FirstShowing52, info)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Arg(0)
            ->Arg(1)
            ->Iterations(3);
        benchmark::RegisterBenchmark(("BM_FullScreenShowing52/" + name).c_str(), BM_FullScreenShowing52, info)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(5);
        benchmark::RegisterBenchmark(("BM_TallyGridFirstShowing52/" + name).c_str(), BM_TallyGridFirstShowing52, info)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(3);
    }
    return benchsupport::runBenchmarks(argc, argv);
}
