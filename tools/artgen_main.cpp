// dealwright-artgen FOLDER: draws every picture of the program and writes
// the files below FOLDER (normally the source tree's assets/).
#include "tools/artgen/ArtGen.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    // The same pixels on every machine: no platform window system and only
    // the baseline drawing paths (the optional SIMD paths may round
    // differently).
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_NO_CPU_FEATURE", "sse3 ssse3 sse4.1 sse4.2 avx avx2 avx512f avx512bw avx512vl f16c fma rdrnd");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dealwright-artgen FOLDER\n");
        return 2;
    }
    const QString failure = artgen::writeAssets(QString::fromLocal8Bit(argv[1]));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "dealwright-artgen: %s\n", qPrintable(failure));
        return 1;
    }
    return 0;
}
