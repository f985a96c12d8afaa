// The tally as a teacher meets it in the draw window (offscreen platform, a
// 1920 x 1080 screen): "Tally of Draws" opened the first time in the
// process, with the draw so far (10,000 put-back draws) counted into it,
// until the window's first frame; and "Draw 1000" with putting back, from
// the press to the draw window, the full-screen view's display, the tally
// window brought up to date and the one repaint at the end, with the tally
// window open or never opened.
#include "BenchSupport.h"
#include "cards/DrawState.h"
#include "draw/DrawTally.h"
#include "draw/DrawWindow.h"
#include "shell/Navigator.h"
#include "support/TestPlatform.h"
#include "tally/TallyPanel.h"
#include "tally/TallyWindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

class QuietNavigator : public shell::Navigator {
public:
    void showChooser() override {}
    void showDrawWindow() override {}
    void showBatchWindow() override {}
};

// Processes events until `probe` has seen a paint (or gives up).
bool waitForPaint(const benchsupport::PaintProbe &probe)
{
    for (int i = 0; i < 200 && !probe.painted; ++i)
        QCoreApplication::processEvents();
    return probe.painted;
}

struct DrawBench {
    explicit DrawBench(bool putBack)
    {
        platform.clock.running = true;
        cards::state() = cards::DrawState{};
        form.load();
        if (putBack)
            form.findChild<QRadioButton *>(QStringLiteral("Option2"))->click();
        form.show();
        exposed = QTest::qWaitForWindowExposed(&form);
        QCoreApplication::processEvents();
    }
    testsupport::TempConfig config;
    testsupport::TestPlatform platform;
    QuietNavigator navigator;
    draw::DrawWindow form{navigator};
    bool exposed = false;
};

// "Tally of Draws" the very first time in the process: the tally counted
// from 10,000 earlier draws, the window made, shown and painted.
void BM_OpenTallyFirstTime(benchmark::State &st)
{
    DrawBench b(true);
    if (!b.exposed) {
        st.SkipWithError("the draw window was not shown");
        return;
    }
    b.form.drawMany(10000);
    QCoreApplication::processEvents();
    QAction *entry = b.form.findChild<QAction *>(QStringLiteral("tallyEntry"));
    for (auto _ : st) {
        QElapsedTimer timer;
        timer.start();
        entry->trigger();
        tally::TallyWindow *window = b.form.drawTally().window();
        const bool painted = window && waitForPaint(benchsupport::PaintProbe(window->panel()));
        st.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (!painted)
            st.SkipWithError("the tally window was not painted");
    }
}
BENCHMARK(BM_OpenTallyFirstTime)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// "Draw 1000" with putting back, until the windows have been repainted.
// Range 1: with the tally window open (the button is in it); 0: never opened.
void BM_Draw1000(benchmark::State &st)
{
    DrawBench b(true);
    if (!b.exposed) {
        st.SkipWithError("the draw window was not shown");
        return;
    }
    const bool withTally = st.range(0) != 0;
    QWidget *painted = &b.form;
    if (withTally) {
        b.form.findChild<QAction *>(QStringLiteral("tallyEntry"))->trigger();
        painted = b.form.drawTally().window()->panel();
    }
    QCoreApplication::processEvents();
    for (auto _ : st) {
        const benchsupport::PaintProbe probe(painted);
        b.form.drawMany(1000);
        if (!waitForPaint(probe)) {
            st.SkipWithError("not repainted");
            break;
        }
        // A long run stays in the deck's range: a reset now and then, untimed.
        if (cards::state().drawCount > 200000) {
            st.PauseTiming();
            b.form.findChild<QPushButton *>(QStringLiteral("PushButton1"))->click();
            QCoreApplication::processEvents();
            st.ResumeTiming();
        }
    }
    st.counters["draws"] = double(cards::state().drawCount);
}
BENCHMARK(BM_Draw1000)->ArgName("tally")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    benchsupport::useOffscreenScreens(DEALWRIGHT_BENCH_SCREEN);
    QApplication app(argc, argv);
    return benchsupport::runBenchmarks(argc, argv);
}
