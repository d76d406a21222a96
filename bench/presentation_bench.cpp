// "Präsentation" on the full-HD screen: repainting the whole magnified view,
// one segment of a free-hand stroke drawn in it (the handlers, the readout
// and the repaint of the view, the window's graph included), and what
// following the graph adds to a redraw ("Graphik" with its paint, the view
// closed and open).
#include "shown_window.h"

#include "shell/presentation.h"

#include <QMouseEvent>

namespace {

using velnorit::bench::ShownWindow;

struct ShownPresentation : ShownWindow {
    explicit ShownPresentation(bool open = true) {
        if (open) form.presentation().open();
        QApplication::processEvents();
        QApplication::processEvents();
    }
    velnorit::view::PresentationView& view() { return form.presentation().view(); }

    void send(QEvent::Type type, double x, double y, Qt::MouseButton button, Qt::MouseButtons held) {
        const velnorit::view::DrawingSurface& graph = *form.controls().picGraph;
        const QPointF pixel = view().viewPixelAt(graph.toPixels(x, y));
        QMouseEvent event(type, pixel, view().mapToGlobal(pixel), button, held, Qt::NoModifier);
        QApplication::sendEvent(&view(), &event);
    }
    void reportSize(benchmark::State& state) {
        ShownWindow::reportSize(state);
        state.counters["view_px"] = view().width();
        state.counters["magnification"] = view().magnification();
    }
};

// The whole view painted at once, as after a redraw or a step of the cursor.
void BM_PresentationRepaint(benchmark::State& state) {
    ShownPresentation shown;
    for (auto _ : state) shown.view().repaint();
    shown.reportSize(state);
}
BENCHMARK(BM_PresentationRepaint)->Unit(benchmark::kMicrosecond);

// A stroke of the pen in the view, one move at a time, each with its paint;
// every few hundred segments the board is wiped by a redraw, untimed.
void BM_PresentationStrokeSegment(benchmark::State& state) {
    ShownPresentation shown;
    const double t = shown.target();
    constexpr int kStrokeLength = 500;
    int step = 0;
    shown.send(QEvent::MouseButtonPress, 8, t, Qt::LeftButton, Qt::LeftButton);
    for (auto _ : state) {
        const double x = 8 + 0.01 * (step % kStrokeLength);
        const double y = t - (step % 2 == 0 ? 0.02 : 0.04);
        shown.send(QEvent::MouseMove, x, y, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents(); // paints the segment in the view and the window
        if (++step % kStrokeLength == 0) {
            state.PauseTiming();
            shown.send(QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton);
            shown.form.cmdZeichnen_Click();
            QApplication::processEvents();
            shown.send(QEvent::MouseButtonPress, 8, t, Qt::LeftButton, Qt::LeftButton);
            state.ResumeTiming();
        }
    }
    shown.send(QEvent::MouseButtonRelease, 8, t, Qt::LeftButton, Qt::NoButton);
    shown.reportSize(state);
}
BENCHMARK(BM_PresentationStrokeSegment)->Unit(benchmark::kMicrosecond);

void BM_RedrawWithPresentation(benchmark::State& state) {
    ShownPresentation shown(state.range(0) != 0);
    for (auto _ : state) {
        shown.form.Command1_Click();
        QApplication::processEvents();
    }
    shown.reportSize(state);
}
BENCHMARK(BM_RedrawWithPresentation)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
