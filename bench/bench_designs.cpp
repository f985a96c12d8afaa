// Card designs from the installed card decks (/usr/share/carddecks):
// - listing them for a menu (the quick catalogue: index files and a glance
//   at each SVG file), goal under 100 ms with Debian's sixteen;
// - the full check of all of them, as --list-designs does;
// - opening one deck (read, unpack, structure check, parse, 52 faces found);
// - the first showing of 52 faces at the full-screen view's small-card
//   size on a 1920 x 1080 screen, the design already open and the rendering
//   cache empty: on the showing thread alone (/0), and with the faces
//   prepared on the worker threads while the showing thread takes them in
//   order (/1). Goal under 300 ms for svg-nicu-white and svg-standard.
// Run: build/bench/bench_designs [--benchmark_filter=...]
#include "BenchSupport.h"
#include "deck/CardDesigns.h"
#include "deck/CardPixmaps.h"
#include "deck/DesignPixmaps.h"
#include "draw/FullScreenLayout.h"
#include "shell/Convert.h"
#include "shell/Twips.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

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

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
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
    }
    return benchsupport::runBenchmarks(argc, argv);
}
