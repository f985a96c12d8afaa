// The random pick and the draw-history search, the two operations every
// draw repeats; the settings store's write (the folder box writes on every
// keystroke) and read; the German translations loaded as a start loads them
// (the program's and Qt's file read and checked whole).
#include "cards/DrawState.h"
#include "shell/Language.h"
#include "shell/Platform.h"
#include "shell/Random.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

void BM_RandomPick52(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(shell::randomPick(52));
}
BENCHMARK(BM_RandomPick52);

void BM_UniformWithoutReseed(benchmark::State &state)
{
    shell::RandomGenerator generator(shell::RandomGenerator::Key{});
    for (auto _ : state)
        benchmark::DoNotOptimize(generator.uniform(52));
}
BENCHMARK(BM_UniformWithoutReseed);

// The worst case of the search: a full deck drawn, the card not found
// (the sentinel's value is never a card, so every element is compared).
void BM_IsCardDrawnFullHistory(benchmark::State &state)
{
    cards::state().drawnCards = std::vector<std::int16_t>{cards::Sentinel};
    for (std::int16_t c = 0; c < 52; ++c)
        cards::state().drawnCards->push_back(c);
    cards::state().drawCount = 52;
    for (auto _ : state)
        benchmark::DoNotOptimize(cards::isCardDrawn(98));
}
BENCHMARK(BM_IsCardDrawnFullHistory);

// A settings folder on the real disk (tmpfs would hide the cost of the
// sync): $DEALWRIGHT_BENCH_DISK_DIR, else the current folder. The file holds
// all six keys, as after a while of use.
class BenchConfig {
public:
    BenchConfig()
        : m_dir((qEnvironmentVariableIsEmpty("DEALWRIGHT_BENCH_DISK_DIR") ? QDir::currentPath()
                                                                         : qEnvironmentVariable("DEALWRIGHT_BENCH_DISK_DIR"))
                + QStringLiteral("/settings-bench-XXXXXX")),
          m_saved(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
        settings::write(settings::keys::Form3Start, QStringLiteral("0"));
        settings::write(settings::keys::Option1, QStringLiteral("True"));
        settings::write(settings::keys::Option2, QStringLiteral("False"));
        settings::write(settings::keys::Text2, QStringLiteral("/home/ana/Pictures/Cards/"));
        settings::write(settings::keys::NumberOfCards, QStringLiteral("52"));
        settings::write(settings::keys::LastFolderDot, QStringLiteral("/home/ana/Pictures"));
    }
    ~BenchConfig() { qputenv("XDG_CONFIG_HOME", m_saved); }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};

// Google Benchmark reports means; the goal is on the median single write.
void reportMedian(benchmark::State &state, std::vector<double> &samples)
{
    if (samples.empty())
        return;
    std::sort(samples.begin(), samples.end());
    state.counters["median_ms"] = samples[samples.size() / 2];
    state.counters["p95_ms"] = samples[samples.size() * 95 / 100];
}

template <class Operation>
void timeEach(benchmark::State &state, Operation &&operation)
{
    BenchConfig config;
    std::vector<double> samples;
    int i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        operation(i++);
        samples.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    reportMedian(state, samples);
}

// One keystroke in the folder box: a new text each time.
void BM_SettingsWrite(benchmark::State &state)
{
    timeEach(state, [](int i) {
        settings::write(settings::keys::Text2, QStringLiteral("/home/ana/Pictures/Cards/%1").arg(i));
    });
}
BENCHMARK(BM_SettingsWrite)->Unit(benchmark::kMillisecond)->Iterations(500);

void BM_SettingsRead(benchmark::State &state)
{
    timeEach(state, [](int) { benchmark::DoNotOptimize(settings::read(settings::keys::Text2, QString())); });
}
BENCHMARK(BM_SettingsRead)->Unit(benchmark::kMicrosecond)->Iterations(5000);

// What a start in German costs before its first window: both files read,
// checked and handed to their translators (DEALWRIGHT_PROGRAM_DIR names
// the build's program folder when the benchmark runs from elsewhere).
void BM_LoadGerman(benchmark::State &state)
{
    for (auto _ : state) {
        const QStringList problems = shell::loadLanguage(QStringLiteral("de"));
        if (!problems.isEmpty()) {
            state.SkipWithError(qPrintable(problems.join(u' ')));
            break;
        }
    }
    shell::loadLanguage(QString());
}
BENCHMARK(BM_LoadGerman)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    shell::installQtPlatform();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
