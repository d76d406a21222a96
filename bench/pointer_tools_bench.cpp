// The pointer over a full-screen graph: one move with the readout, and one
// free-hand segment, each with the repaint it causes, on a 1920 x 1080 screen.
#include "shown_window.h"

namespace {

using velnorit::bench::ShownWindow;

// Between denominators 9 and 16 (all in view), alternating sides of target,
// so that the field's text, colour and place change on every move.
void BM_PointerMoveWithReadout(benchmark::State& state) {
    ShownWindow window;
    const double t = window.target();
    int step = 0;
    for (auto _ : state) {
        const double x = 9.4 + (step % 7);
        const double y = step % 2 == 0 ? t - 0.1 : t + 0.1;
        window.send(QEvent::MouseMove, x, y, Qt::NoButton, Qt::NoButton);
        QApplication::processEvents(); // paints the field and what it uncovered
        ++step;
    }
    window.reportSize(state);
}
BENCHMARK(BM_PointerMoveWithReadout)->Unit(benchmark::kMicrosecond);

// A zigzag stroke across the view. Every 500 segments the board is wiped
// (not timed), as a user starts afresh, so the drawing does not grow without end.
void BM_FreehandSegment(benchmark::State& state) {
    ShownWindow window;
    const double t = window.target();
    constexpr int kStrokeLength = 500;
    int step = 0;
    window.send(QEvent::MouseButtonPress, 8, t, Qt::LeftButton, Qt::LeftButton);
    for (auto _ : state) {
        const double x = 8 + 0.05 * (step % kStrokeLength);
        const double y = t + (step % 2 == 0 ? 0.08 : -0.08);
        window.send(QEvent::MouseMove, x, y, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents(); // paints the segment and the moved field
        if (++step % kStrokeLength == 0) {
            state.PauseTiming();
            window.send(QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton);
            window.form.cmdZeichnen_Click();
            QApplication::processEvents();
            window.send(QEvent::MouseButtonPress, 8, t, Qt::LeftButton, Qt::LeftButton);
            state.ResumeTiming();
        }
    }
    window.send(QEvent::MouseButtonRelease, 8, t, Qt::LeftButton, Qt::NoButton);
    window.reportSize(state);
}
BENCHMARK(BM_FreehandSegment)->Unit(benchmark::kMicrosecond);

} // namespace
