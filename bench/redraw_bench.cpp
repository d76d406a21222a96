// In the real window on a 1920 x 1080 screen (offscreen platform), with the
// default parameters: redraw (scan, list and every drawing operation
// recorded), one repaint of the visible graph, and the memory held by the
// graph's retained drawing; for the first window of denominators (nStart = 1)
// and the last one (vscMassX = 19).
// Goals: redraw <= 10 ms, repaint <= 5 ms, retained drawing <= 20 MB.
#include "shell/form1.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using velnorit::shell::Form1;

std::unique_ptr<Form1> shownForm(int window) {
    auto form = std::make_unique<Form1>();
    form->Form_Load();
    form->show();
    form->controls().vscMassX->setValue(static_cast<velnorit::Integer>(window));
    QApplication::processEvents();
    return form;
}

void redraw(benchmark::State& bench) {
    auto form = shownForm(static_cast<int>(bench.range(0)));
    for (auto _ : bench) form->graphView().redraw();
    const auto& drawing = form->controls().picGraph->drawing();
    bench.counters["retained_MB"] = static_cast<double>(drawing.memoryBytes()) / 1e6;
    bench.counters["ops"] = static_cast<double>(drawing.size());
}
BENCHMARK(redraw)->Arg(0)->Arg(19)->Unit(benchmark::kMillisecond);

// What the window shows of the graph: the panel's width of the 16 times
// wider picture, repainted at once.
void repaintVisibleGraph(benchmark::State& bench) {
    auto form = shownForm(static_cast<int>(bench.range(0)));
    QWidget* graph = form->controls().picGraph;
    const QRect visible = graph->visibleRegion().boundingRect();
    for (auto _ : bench) graph->repaint(visible);
    bench.counters["visible_px"] = visible.width();
}
BENCHMARK(repaintVisibleGraph)->Arg(0)->Arg(19)->Unit(benchmark::kMillisecond);

} // namespace
