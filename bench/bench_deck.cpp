// Decoding the card face control's 76 embedded pictures, which the program
// does once, on first use of the picture set.
#include "BenchSupport.h"
#include "deck/GifDecode.h"
#include "deck/PictureFiles.h"
#include "deck/PictureSet.h"

#include <QCoreApplication>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

// The whole set, as the picture set's first use decodes it.
void BM_DecodeWholeSet(benchmark::State &state)
{
    const QStringList files = deck::pictureFiles();
    for (auto _ : state) {
        for (const QString &file : files) {
            QImage picture = deck::loadPicture(file, file);
            benchmark::DoNotOptimize(picture.constBits());
        }
    }
    state.SetItemsProcessed(state.iterations() * files.size());
}
BENCHMARK(BM_DecodeWholeSet)->Unit(benchmark::kMillisecond);

// One face: the GIF decoding alone, from bytes already in memory.
void BM_DecodeOneFace(benchmark::State &state)
{
    QFile file(QStringLiteral(":/deck/Card00.gif"));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    for (auto _ : state) {
        QImage picture = deck::decodeGif(bytes);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_DecodeOneFace)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    return benchsupport::runBenchmarks(argc, argv);
}
