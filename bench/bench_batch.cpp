// The batch window: a batch of 52 drawn, through the routine and through
// the window (with its event processing once per card), and all 52 cards
// saved as bitmap files, on a memory-backed folder and on the disk.
//
// DEALWRIGHT_BENCH_DISK_DIR names the folder on disk (default: the current
// folder); /dev/shm is the memory-backed one.
#include "BenchSupport.h"
#include "batch/Bitmap.h"
#include "batch/CardExport.h"
#include "batch/BatchWindow.h"
#include "batch/Generation.h"
#include "deck/PictureSet.h"
#include "shell/Messages.h"
#include "shell/Navigator.h"
#include "shell/Platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <memory>

namespace {

class QuietMessages : public shell::MessageService {
public:
    void show(const shell::Message &message) override
    {
        if (message.text != QStringLiteral("Done."))
            failures.append(message.text);
    }
    void showAboutQt(QWidget *) override { failures.append(QStringLiteral("About Qt")); }
    QStringList failures;
};

class NoNavigation : public shell::Navigator {
public:
    void showChooser() override {}
    void showDrawWindow() override {}
    void showBatchWindow() override {}
};

QuietMessages g_messages;
NoNavigation g_navigator;

batch::BatchWindow &window()
{
    static std::unique_ptr<batch::BatchWindow> form;
    if (!form) {
        form = std::make_unique<batch::BatchWindow>(g_navigator);
        form->load();
        form->show();
    }
    return *form;
}

void clickStart(batch::BatchWindow &form)
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
    batch::BatchWindow &form = window();
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

// The cache flushes the disk under `folder` has completed since it started
// (Linux: the block device's statistics); -1 where they cannot be read.
long long diskFlushes(const QString &folder)
{
    struct stat info {};
    if (::stat(QFile::encodeName(folder).constData(), &info) != 0)
        return -1;
    QFile stat(QStringLiteral("/sys/dev/block/%1:%2/stat").arg(major(info.st_dev)).arg(minor(info.st_dev)));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = stat.readAll().simplified().split(' ');
    return fields.size() >= 16 ? fields.at(15).toLongLong() : -1;
}

// "Save All Cards To Image" for a batch of 52 (button PushButton1), or
// "Save Selected Card As Image" for one (PushButton3): every file written
// whole, on disk and in place.
void save(benchmark::State &state, const QString &base, const char *button, int files)
{
    QTemporaryDir dir(base + QStringLiteral("/dealwright-bench-XXXXXX"));
    if (!dir.isValid()) {
        state.SkipWithError("no folder to write into");
        return;
    }
    batch::BatchWindow &form = window();
    form.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("52"));
    clickStart(form);
    form.findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(dir.path());
    QPushButton *saveButton = form.findChild<QPushButton *>(QString::fromLatin1(button));
    g_messages.failures.clear();
    const long long flushesBefore = diskFlushes(dir.path());
    for (auto _ : state)
        saveButton->click();
    const long long flushesAfter = diskFlushes(dir.path());
    if (flushesBefore >= 0 && flushesAfter >= 0)
        state.counters["flushes"] = double(flushesAfter - flushesBefore) / double(state.iterations());
    if (!g_messages.failures.isEmpty())
        state.SkipWithError(qPrintable(g_messages.failures.first()));
    if (QDir(dir.path()).entryList(QDir::Files).size() != files)
        state.SkipWithError("not every file was written");
    state.counters["files"] = benchmark::Counter(double(files) * double(state.iterations()), benchmark::Counter::kIsRate);
}

QString diskFolder()
{
    const QByteArray folder = qgetenv("DEALWRIGHT_BENCH_DISK_DIR");
    return folder.isEmpty() ? QDir::currentPath() : QString::fromLocal8Bit(folder);
}

void BM_SaveAll52_Memory(benchmark::State &state) { save(state, QStringLiteral("/dev/shm"), "PushButton1", 52); }
BENCHMARK(BM_SaveAll52_Memory)->Unit(benchmark::kMillisecond);

// The two on the same disk, in the same run: the batch of 52 is put on disk
// together, so it should cost only a few single saves.
void BM_SaveAll52_Disk(benchmark::State &state) { save(state, diskFolder(), "PushButton1", 52); }
BENCHMARK(BM_SaveAll52_Disk)->Unit(benchmark::kMillisecond);

void BM_SaveOne_Disk(benchmark::State &state) { save(state, diskFolder(), "PushButton3", 1); }
BENCHMARK(BM_SaveOne_Disk)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The settings the window writes go to a folder of their own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    shell::installQtPlatform();
    shell::platform().messages = &g_messages;
    return benchsupport::runBenchmarks(argc, argv);
}
