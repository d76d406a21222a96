// The drawing surface under the load of a full graph: recording the redraw
// for denominators 1 to 10,000, and painting the part of it a window shows.
#include "view/drawing_surface.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using velnorit::view::DrawingSurface;
using velnorit::view::LineMode;
using velnorit::view::rgb;

constexpr int kSurfaceWidth = 30000;
constexpr int kSurfaceHeight = 1000;
constexpr int kLargestDenominator = 10000;
constexpr QRect kVisibleWindow(12000, 0, 1862, 1000);

// For every denominator the nearest fractions below and above the target,
// drawn at their distances from it in units of 1/n, with their labels, the
// bar between them, a box on each and now and then a circle: about 61,000
// operations, 30,000 of them short texts.
void recordGraph(DrawingSurface& surface) {
    const double target = std::sqrt(5.0) / 2;
    surface.cls();
    for (int n = 1; n <= kLargestDenominator; ++n) {
        const double scaled = target * n;
        const double below = std::floor(scaled);
        const double distance = scaled - below; // to the fraction below, in units of 1/n
        const float x = static_cast<float>(n * 0.0702);
        const float low = static_cast<float>(0.78 + 0.3 * distance);
        const float high = static_cast<float>(1.45 - 0.3 * (1 - distance));
        surface.setCurrentX(x);
        surface.setCurrentY(high + 0.03f);
        surface.printNumber(below);
        surface.printNumber(n);
        surface.printNumber(below + 1);
        surface.line(x, low, x, high, rgb(0, 0, 160));
        surface.line(x - 0.05f, low - 0.002f, x + 0.05f, low + 0.002f, rgb(0, 128, 0), LineMode::Box);
        surface.line(x - 0.05f, high - 0.002f, x + 0.05f, high + 0.002f, rgb(192, 0, 0), LineMode::FilledBox);
        if (n % 10 == 0) surface.circle(x, low, 0.1f, rgb(0, 0, 0));
    }
}

// The graph as the program shows it: a surface far wider than the window
// that scrolls over it, so that recording meets the real repaint bookkeeping
// of a visible widget.
struct ShownGraph {
    ShownGraph() : surface(new DrawingSurface(&window)) {
        window.resize(kVisibleWindow.size());
        surface->setGeometry(-kVisibleWindow.x(), 0, kSurfaceWidth, kSurfaceHeight);
        surface->scale(-4.7f, 1.48f, 702, 0.75f);
        surface->setFontSize(8);
        window.show();
        QCoreApplication::processEvents();
    }
    QWidget window;
    DrawingSurface* surface;
};

void BM_RecordGraph(benchmark::State& state) {
    ShownGraph graph;
    for (auto _ : state) {
        recordGraph(*graph.surface);
        benchmark::DoNotOptimize(graph.surface->drawing().size());
        state.PauseTiming();
        QCoreApplication::processEvents(); // paints, as between two redraws of the program
        state.ResumeTiming();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * graph.surface->drawing().size()));
    state.counters["ops"] = static_cast<double>(graph.surface->drawing().size());
}
BENCHMARK(BM_RecordGraph)->Unit(benchmark::kMillisecond);

void BM_PaintVisibleWindow(benchmark::State& state) {
    ShownGraph graph;
    recordGraph(*graph.surface);
    QCoreApplication::processEvents();
    for (auto _ : state) graph.surface->repaint(kVisibleWindow);
    state.counters["ops_painted"] =
        static_cast<double>(graph.surface->drawing().opsTouching(QRectF(kVisibleWindow)).size());
    state.counters["memory_MB"] = static_cast<double>(graph.surface->drawing().memoryBytes()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_PaintVisibleWindow)->Unit(benchmark::kMillisecond);

} // namespace
