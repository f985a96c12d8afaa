// The random pick and the draw-history search, the two operations every
// draw repeats; the settings store's write (the folder box writes on every
// keystroke) and read, also of the largest files it reads and of one it
// refuses; the German translations loaded as a start loads them (the
// program's and Qt's file read and checked whole).
#include "BenchSupport.h"
#include "cards/DrawState.h"
#include "shell/Language.h"
#include "shell/Messages.h"
#include "shell/Platform.h"
#include "shell/Random.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <utility>
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

// The largest settings files the store reads (1 MB), in the shapes that
// cost the reader most, with the key looked for at the very end or not
// there at all: every line is looked at. The goal: under 50 ms.
QByteArray largestFile(int shape)
{
    const qint64 limit = 1024 * 1024;
    QByteArray file = "[Dealwright]\n";
    switch (shape) {
    case 0:  // short settings of another section, then ours
        file = "[Other]\n";
        while (file.size() < limit - 64)
            file += "k" + QByteArray::number(file.size()) + "=v\n";
        file += "[Dealwright]\n";
        break;
    case 1:  // one value of 1 MB
        file += "Text2=" + QByteArray(limit - 64, 'a') + "\n";
        break;
    case 2:  // one value of escapes
        file += "Text2=";
        while (file.size() < limit - 64)
            file += "\\x41\\t\\101\"\\\"\"";
        file += "\n";
        break;
    case 3:  // keys of escapes in our section
        while (file.size() < limit - 64)
            file += "%U0041%20b%U00E9c=1\n";
        break;
    case 4:  // sections
        while (file.size() < limit - 64)
            file += "[Dealwright]\n[x]\n";
        break;
    }
    file += "LastFolderDot=/end\n";
    file.truncate(std::min<qsizetype>(file.size(), limit));
    return file;
}

void BM_SettingsReadLargest(benchmark::State &state)
{
    BenchConfig config;
    QFile file(settings::filePath());
    const QByteArray bytes = largestFile(int(state.range(0)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    file.close();
    // The key at the end, a key not there, and the largest value decoded.
    const QStringList keys = {settings::keys::LastFolderDot, settings::keys::WebVisit, settings::keys::Text2};
    std::vector<double> samples;
    for (auto _ : state) {
        for (const QString &key : keys) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(settings::read(key, QString()));
            samples.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    }
    reportMedian(state, samples);
    state.counters["max_ms"] = *std::max_element(samples.begin(), samples.end());
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_SettingsReadLargest)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(40);

class SilentMessages : public shell::MessageService {
public:
    void show(const shell::Message &) override {}
    void showAboutQt(QWidget *) override {}
};

// A file past the limit (50 MB) is refused before it is read.
void BM_SettingsReadTooLarge(benchmark::State &state)
{
    BenchConfig config;
    SilentMessages silent;
    shell::MessageService *shown = std::exchange(shell::platform().messages, &silent);
    QFile file(settings::filePath());
    if (!file.open(QIODevice::ReadWrite) || !file.resize(qint64(50) * 1024 * 1024)) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(settings::read(settings::keys::Text2, QString()));
    shell::platform().messages = shown;
}
BENCHMARK(BM_SettingsReadTooLarge)->Unit(benchmark::kMicrosecond)->Iterations(200);

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
    return benchsupport::runBenchmarks(argc, argv);
}
