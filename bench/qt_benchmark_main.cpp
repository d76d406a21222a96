// Entry point of the widget benchmarks: one application object on the
// offscreen 1920 x 1080 screen, then the benchmarks.
#include "offscreen_screen.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    useOffscreenFullHdScreen();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
