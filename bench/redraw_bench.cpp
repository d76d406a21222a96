// redraw with the default parameters (scan, list and every drawing operation
// recorded), one repaint of the visible graph in a 1920 x 1080 window, and
// the memory held by the graph's retained drawing; for the first window
// (nStart = 1) and the last one (vscMassX = 19).
// Goals: redraw <= 10 ms, repaint <= 5 ms, retained drawing <= 20 MB.
#include "../tests/support/graph_harness.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

using velnorit::testing::GraphHarness;

std::unique_ptr<GraphHarness> shownHarness(int window) {
    auto harness = std::make_unique<GraphHarness>(QSize(1920, 1080));
    harness->window().show();
    harness->startUp();
    harness->controls().vscMassX->setValue(static_cast<velnorit::Integer>(window));
    QApplication::processEvents();
    return harness;
}

void redraw(benchmark::State& bench) {
    auto harness = shownHarness(static_cast<int>(bench.range(0)));
    for (auto _ : bench) harness->view().redraw();
    bench.counters["retained_MB"] = static_cast<double>(harness->graph().drawing().memoryBytes()) / 1e6;
    bench.counters["ops"] = static_cast<double>(harness->graph().drawing().size());
}
BENCHMARK(redraw)->Arg(0)->Arg(19)->Unit(benchmark::kMillisecond);

// Paints what the window shows of the graph: the panel's width of the
// 16-times-wider picture.
void repaintVisibleGraph(benchmark::State& bench) {
    auto harness = shownHarness(static_cast<int>(bench.range(0)));
    QWidget& graph = harness->graph();
    const QRect visible = graph.visibleRegion().boundingRect();
    QImage target(visible.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : bench) {
        graph.render(&target, QPoint(), QRegion(visible));
        benchmark::DoNotOptimize(target.bits());
    }
    bench.counters["visible_px"] = visible.width();
}
BENCHMARK(repaintVisibleGraph)->Arg(0)->Arg(19)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
