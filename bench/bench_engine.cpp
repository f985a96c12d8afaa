// The card-by-card draw through the real draw window and full-screen view (offscreen
// platform): a whole cycle of a reset, 52 draws without putting back and the
// refused 53rd; the same cycle in the full-screen view on a 1920 x 1080 and
// a 3840 x 2160 screen, with the cards rendered at their size or the small
// pictures stretched; the full-screen view's first showing after 52 draws, and what
// the rendering cache then holds; and one put-back draw on a fresh draw
// against one after 100,000 earlier draws.
#include "BenchSupport.h"
#include "cards/DrawState.h"
#include "deck/CardPixmaps.h"
#include "draw/DrawWindow.h"
#include "draw/FullScreenView.h"
#include "shell/Navigator.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <benchmark/benchmark.h>

namespace {

class QuietNavigator : public shell::Navigator {
public:
    void showChooser() override {}
    void showDrawWindow() override {}
    void showBatchWindow() override {}
};

struct Bench {
    Bench()
    {
        platform.clock.running = true;
        cards::state() = cards::DrawState{};
        form.load();
        form.show();
        QCoreApplication::processEvents();
    }
    QPushButton *button(const char *name) { return form.findChild<QPushButton *>(QString::fromLatin1(name)); }

    testsupport::TempConfig config;
    testsupport::TestPlatform platform;
    QuietNavigator navigator;
    draw::DrawWindow form{navigator};
};

// A whole cycle of clicks; with range 1 the window is also repainted after
// every click, as the user sees it.
void BM_FullCycle(benchmark::State &st)
{
    Bench b;
    const bool paint = st.range(0) != 0;
    QPushButton *reset = b.button("PushButton1");
    QPushButton *next = b.button("PushButton2");
    for (auto _ : st) {
        reset->click();
        if (paint)
            QCoreApplication::processEvents();
        for (int i = 0; i < 52; ++i) {
            next->click();
            if (paint)
                QCoreApplication::processEvents();
        }
        next->click();
        if (paint)
            QCoreApplication::processEvents();
        if (cards::state().drawCount != 52 || b.platform.messages.shown.size() != 1) {
            st.SkipWithError("the cycle did not end with the 53rd draw refused");
            break;
        }
        b.platform.messages.clear();
    }
}
BENCHMARK(BM_FullCycle)->ArgName("paint")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The full-screen view on screen `screen` (0: 1920 x 1080, 1: 3840 x 2160), shown.
struct ViewerBench : Bench {
    explicit ViewerBench(int screen)
    {
        const QList<QScreen *> screens = QGuiApplication::screens();
        form.setScreen(screens.value(screen, screens.first()));
        form.move(form.screen()->geometry().topLeft());
    }
    void show()
    {
        testsupport::control<QPushButton>(&form, "PushButton5")->click();
        draw::FullScreenView &fullScreenView = form.fullScreenView();
        for (int i = 0; i < 100 && (!cards::state().fullScreenLaidOut || fullScreenView.size() != fullScreenView.screen()->size()); ++i)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void space()
    {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(&form.fullScreenView(), &down);
        QCoreApplication::processEvents();
    }
};

// A whole cycle in the full-screen view, repainted after every key: the reset, 52
// Spaces and the refused 53rd. Range 0: the screen; range 1: 1 renders the
// cards at their size, 0 stretches the 71 x 96 pictures.
void BM_ViewerCycle(benchmark::State &st)
{
    deck::setScalableRendering(st.range(1) != 0);
    ViewerBench b(int(st.range(0)));
    b.show();
    for (auto _ : st) {
        testsupport::control<QPushButton>(&b.form, "PushButton1")->click();
        QCoreApplication::processEvents();
        for (int i = 0; i < 53; ++i)
            b.space();
        if (cards::state().drawCount != 52 || b.platform.messages.shown.size() != 1) {
            st.SkipWithError("the cycle did not end with the 53rd draw refused");
            break;
        }
        b.platform.messages.clear();
    }
    deck::setScalableRendering(true);
}
BENCHMARK(BM_ViewerCycle)->ArgNames({"screen", "scalable"})->Args({0, 0})->Args({0, 1})->Args({1, 0})->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

// The full-screen view shown for the first time after 52 draws in the draw window,
// nothing rendered yet: its layout and its first paint, with every card
// rendered at its size. Reports what the rendering cache then holds.
void BM_ViewerFirstShowing(benchmark::State &st)
{
    deck::ScalableCacheStats held;
    for (auto _ : st) {
        st.PauseTiming();
        deck::clearScalableCache();
        ViewerBench b(int(st.range(0)));
        for (int i = 0; i < 52; ++i)
            testsupport::control<QPushButton>(&b.form, "PushButton2")->click();
        st.ResumeTiming();
        b.show();
        b.form.fullScreenView().repaint();
        st.PauseTiming();
        held = deck::scalableCacheStats();
        st.ResumeTiming();
    }
    st.counters["cacheMB"] = double(held.bytes) / (1024.0 * 1024.0);
    st.counters["renders"] = held.renders;
}
BENCHMARK(BM_ViewerFirstShowing)->ArgName("screen")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

// One put-back draw after `earlier` draws (0: the first after a reset).
void BM_PutBackDraw(benchmark::State &st)
{
    Bench b;
    b.form.findChild<QRadioButton *>(QStringLiteral("Option2"))->click();
    const auto earlier = st.range(0);
    for (std::int64_t i = 0; i < earlier; ++i)
        cards::DrawCards(b.form);
    for (auto _ : st) {
        if (earlier == 0) {
            st.PauseTiming();
            cards::ResetCards(b.form);
            st.ResumeTiming();
        }
        cards::DrawCards(b.form);
    }
    st.counters["history"] = double(cards::state().drawnCards->size());
}
BENCHMARK(BM_PutBackDraw)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    // Two screens, 1920 x 1080 and 3840 x 2160, for the full-screen view.
    benchsupport::useOffscreenScreens(DEALWRIGHT_BENCH_SCREENS);
    QApplication app(argc, argv);
    return benchsupport::runBenchmarks(argc, argv);
}
