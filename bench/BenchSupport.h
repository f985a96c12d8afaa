#pragma once
// What the benchmark programs share: running the registered benchmarks, the
// offscreen screens they measure on, and waiting for a widget's paint.
#include <QByteArray>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QtGlobal>
#include <benchmark/benchmark.h>

namespace benchsupport {

// Runs the registered benchmarks; 1 for an argument Google Benchmark does
// not know.
inline int runBenchmarks(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The offscreen platform with the screens of `configFile`, unless the
// environment names a platform.
inline void useOffscreenScreens(const char *configFile)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + configFile);
}

// Tells whether the widget has been painted since the probe was made.
class PaintProbe : public QObject {
public:
    explicit PaintProbe(QWidget *widget) { widget->installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

} // namespace benchsupport
