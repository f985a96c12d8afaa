// The batch generator: a batch of 52 drawn, through the routine and through
// the window (with its event processing once per card), and all 52 cards
// saved as bitmap files, on a memory-backed folder and on the disk.
//
// DEALWRIGHT_BENCH_DISK_DIR names the folder on disk (default: the current
// folder); /dev/shm is the memory-backed one.
#include "batch/Bitmap.h"
#include "batch/CardExport.h"
#include "batch/Form3.h"
#include "batch/Generation.h"
#include "deck/PictureSet.h"
#include "shell/Messages.h"
#include "shell/Navigator.h"
#include "shell/Platform.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

class QuietMessages : public shell::MessageService {
public:
    void show(const shell::Message &message) override
    {
        if (message.text != QStringLiteral("Done."))
            failures.append(message.text);
    }
    QStringList failures;
};

class NoNavigation : public shell::Navigator {
public:
    void showMainWindow() override {}
    void showDrawWindow() override {}
    void showBatchWindow() override {}
};

QuietMessages g_messages;
NoNavigation g_navigator;

batch::Form3 &window()
{
    static std::unique_ptr<batch::Form3> form;
    if (!form) {
        form = std::make_unique<batch::Form3>(g_navigator);
        form->Form_Load();
        form->show();
    }
    return *form;
}

void clickStart(batch::Form3 &form)
{
    form.findChild<QPushButton *>(QStringLiteral("PushButton2"))->click();
}

void BM_GenerateBatch52(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(batch::generateBatch(52));
}
BENCHMARK(BM_GenerateBatch52)->Unit(benchmark::kMicrosecond);

// Start in the window: the list emptied, 52 cards drawn with the events
// processed before each, the entries appended and the first selected.
void BM_WindowGenerate52(benchmark::State &state)
{
    batch::Form3 &form = window();
    form.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("52"));
    for (auto _ : state)
        clickStart(form);
    if (form.findChild<QTreeWidget *>(QStringLiteral("ListView1"))->topLevelItemCount() != 52)
        state.SkipWithError("the batch is not complete");
}
BENCHMARK(BM_WindowGenerate52)->Unit(benchmark::kMicrosecond);

// The bytes of one card file (no disk).
void BM_EncodeCard(benchmark::State &state)
{
    const QImage &card = deck::PictureSet::instance().card(37);
    for (auto _ : state)
        benchmark::DoNotOptimize(batch::bitmapBytes(card));
}
BENCHMARK(BM_EncodeCard)->Unit(benchmark::kMicrosecond);

// "Save All Cards To Image" for a batch of 52: every file written whole,
// synced to disk and put in place.
void saveAll52(benchmark::State &state, const QString &base)
{
    QTemporaryDir dir(base + QStringLiteral("/dealwright-bench-XXXXXX"));
    if (!dir.isValid()) {
        state.SkipWithError("no folder to write into");
        return;
    }
    batch::Form3 &form = window();
    form.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("52"));
    clickStart(form);
    form.findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(dir.path());
    QPushButton *saveAll = form.findChild<QPushButton *>(QStringLiteral("PushButton1"));
    g_messages.failures.clear();
    for (auto _ : state)
        saveAll->click();
    if (!g_messages.failures.isEmpty())
        state.SkipWithError(qPrintable(g_messages.failures.first()));
    if (QDir(dir.path()).entryList(QDir::Files).size() != 52)
        state.SkipWithError("not all 52 files were written");
    state.counters["files"] = benchmark::Counter(52.0 * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_SaveAll52_Memory(benchmark::State &state) { saveAll52(state, QStringLiteral("/dev/shm")); }
BENCHMARK(BM_SaveAll52_Memory)->Unit(benchmark::kMillisecond);

void BM_SaveAll52_Disk(benchmark::State &state)
{
    const QByteArray folder = qgetenv("DEALWRIGHT_BENCH_DISK_DIR");
    saveAll52(state, folder.isEmpty() ? QDir::currentPath() : QString::fromLocal8Bit(folder));
}
BENCHMARK(BM_SaveAll52_Disk)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The settings the window writes go to a folder of their own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    QApplication app(argc, argv);
    shell::installQtPlatform();
    shell::platform().messages = &g_messages;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
