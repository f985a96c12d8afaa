// The card-by-card draw through the real draw window and viewer (offscreen
// platform): a whole cycle of a reset, 52 draws without putting back and the
// refused 53rd; and one put-back draw on a fresh draw against one after
// 100,000 earlier draws.
#include "cards/DrawState.h"
#include "draw/Form2.h"
#include "draw/Form4.h"
#include "shell/Navigator.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <benchmark/benchmark.h>

namespace {

class QuietNavigator : public shell::Navigator {
public:
    void showMainWindow() override {}
    void showDrawWindow() override {}
    void showBatchWindow() override {}
};

struct Bench {
    Bench()
    {
        platform.clock.running = true;
        cards::state() = cards::DrawState{};
        form.Form_Load();
        form.show();
        QCoreApplication::processEvents();
    }
    QPushButton *button(const char *name) { return form.findChild<QPushButton *>(QString::fromLatin1(name)); }

    testsupport::TempConfig config;
    testsupport::TestPlatform platform;
    QuietNavigator navigator;
    draw::Form2 form{navigator};
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
        if (cards::state().DrawCount != 52 || b.platform.messages.shown.size() != 1) {
            st.SkipWithError("the cycle did not end with the 53rd draw refused");
            break;
        }
        b.platform.messages.clear();
    }
}
BENCHMARK(BM_FullCycle)->ArgName("paint")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
    st.counters["history"] = double(cards::state().DrawnCards->size());
}
BENCHMARK(BM_PutBackDraw)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
