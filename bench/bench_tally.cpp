// The tally's cost as the user meets it (offscreen platform, a 1920 x 1080
// screen): one more draw shown in the open tally window and painted, with
// 10,000 or 100,000 draws recorded before it (putting back) or a draw
// without putting back; and opening the tally window, the very first time in the process
// and again, until its first frame is painted.
#include "BenchSupport.h"
#include "cards/Tally.h"
#include "support/TestPlatform.h"
#include "tally/TallyPanel.h"
#include "tally/TallyWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTest>
#include <benchmark/benchmark.h>

#include <random>

namespace {

bool showAndPaint(QWidget *window, QWidget *painted)
{
    benchsupport::PaintProbe probe(painted);
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    for (int i = 0; i < 100 && !probe.painted; ++i)
        QCoreApplication::processEvents();
    return probe.painted;
}

// One draw more and the window brought up to date and painted, as after a
// click on "Show Next Card". Range 0: the draws recorded before, putting
// back; -1: without putting back (the deck is dealt anew after its 52nd
// card, outside the timing).
void BM_TallyUpdatePerDraw(benchmark::State &st)
{
    testsupport::TempConfig config;
    const bool putBack = st.range(0) >= 0;
    cards::Tally tally(putBack ? cards::DrawMode::PutBack : cards::DrawMode::NoPutBack);
    std::mt19937 generator(3);
    std::uniform_int_distribution<int> pick(0, 51);
    for (std::int64_t i = 0; i < st.range(0); ++i)
        tally.record(pick(generator));
    tally::TallyWindow window;
    window.setTally(&tally);
    if (!showAndPaint(&window, window.panel())) {
        st.SkipWithError("the tally window was not painted");
        return;
    }
    int next = 0;
    for (auto _ : st) {
        if (putBack) {
            tally.record(pick(generator));
        } else {
            if (tally.draws() == 52) {
                st.PauseTiming();
                tally.reset(cards::DrawMode::NoPutBack);
                next = 0;
                st.ResumeTiming();
            }
            tally.record((next++ * 19) % 52);
        }
        window.tallyChanged();
        QCoreApplication::processEvents();
    }
    st.counters["draws"] = double(tally.draws());
}
BENCHMARK(BM_TallyUpdatePerDraw)->ArgName("recorded")->Arg(-1)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The window made, given 10,000 put-back draws, shown and painted. The
// first run in the process pays what nothing else has paid before (the
// style's first buttons and labels, the fonts' first glyphs).
void openAndPaint(benchmark::State &st)
{
    testsupport::TempConfig config;
    cards::Tally tally(cards::DrawMode::PutBack);
    for (int i = 0; i < 10000; ++i)
        tally.record((i * 31) % 52);
    for (auto _ : st) {
        QElapsedTimer timer;
        timer.start();
        auto *window = new tally::TallyWindow;
        window->setTally(&tally);
        const bool painted = showAndPaint(window, window->panel());
        st.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        delete window;
        QCoreApplication::processEvents();
        if (!painted) {
            st.SkipWithError("the tally window was not painted");
            break;
        }
    }
}

void BM_OpenTallyWindowFirstTime(benchmark::State &st) { openAndPaint(st); }
BENCHMARK(BM_OpenTallyWindowFirstTime)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_OpenTallyWindowAgain(benchmark::State &st) { openAndPaint(st); }
BENCHMARK(BM_OpenTallyWindowAgain)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // The screen of the tests, unless one is given.
    benchsupport::useOffscreenScreens(DEALWRIGHT_BENCH_SCREEN);
    QApplication app(argc, argv);
    testsupport::TestPlatform platform;
    return benchsupport::runBenchmarks(argc, argv);
}
