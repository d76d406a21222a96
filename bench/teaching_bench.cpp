// Teaching from the front on the full-HD window: a step of the keyboard
// cursor with readout, marker and panning, one frame of "Schritt für
// Schritt", and the heap the reveal holds beside that of a plain redraw.
#include "shown_window.h"

#include "shell/teaching_aids.h"

#include <QKeyEvent>

#include <malloc.h>

#include <algorithm>

namespace {

using velnorit::bench::ShownWindow;

void key(ShownWindow& window, int k) {
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(window.form.controls().picGraph, &press);
}

// → across the whole window 1..701 and Pos1 back: every step shows the
// readout and moves the marker, every few dozen steps the graph pans, and
// Pos1 pans from the far end to the start.
void BM_CursorStep(benchmark::State& state) {
    ShownWindow window;
    window.form.controls().picGraph->setFocus();
    key(window, Qt::Key_Home);
    QApplication::processEvents();
    const auto& cursor = window.form.teachingAids().cursor();
    for (auto _ : state) {
        key(window, cursor.position().n < 701 ? Qt::Key_Right : Qt::Key_Home);
        QApplication::processEvents(); // paints the field, the marker and a panned graph
    }
    window.reportSize(state);
    state.counters["pan"] = window.form.controls().hscn->value();
}
BENCHMARK(BM_CursorStep)->Unit(benchmark::kMicrosecond);

// One tick of the reveal at its starting pace (one denominator, or the
// denominator of a record with its list line), with the repaint it causes,
// panning included; pauses are continued at once. A finished reveal is
// started again untimed.
void BM_RevealFrame(benchmark::State& state) {
    ShownWindow window;
    velnorit::tools::StepReveal& reveal = window.form.teachingAids().reveal();
    reveal.start();
    QApplication::processEvents();
    for (auto _ : state) {
        if (reveal.isPaused()) reveal.pauseOrContinue();
        reveal.advance();
        QApplication::processEvents();
        if (!reveal.isRunning()) {
            state.PauseTiming();
            reveal.start();
            QApplication::processEvents();
            state.ResumeTiming();
        }
    }
    window.reportSize(state);
}
BENCHMARK(BM_RevealFrame)->Unit(benchmark::kMicrosecond);

// Bytes the heap holds (malloc's arenas and its mapped blocks).
long long heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

// The heap after a plain redraw and its repaint, and the most it holds at
// the end of any frame of a whole reveal of the same window: what the
// reveal needs beyond the redraw it is. Measured at frame ends, which is
// where a reveal keeps memory; what a frame allocates and frees within
// itself is not seen.
void BM_RevealMemory(benchmark::State& state) {
    ShownWindow window;
    velnorit::tools::StepReveal& reveal = window.form.teachingAids().reveal();
    long long extra = 0;
    long long redrawHeap = 0;
    for (auto _ : state) {
        window.form.Command1_Click();
        QApplication::processEvents();
        redrawHeap = heapInUse();
        reveal.start();
        QApplication::processEvents();
        long long most = heapInUse();
        while (reveal.isRunning()) {
            if (reveal.isPaused()) reveal.pauseOrContinue();
            reveal.advance();
            QApplication::processEvents();
            most = std::max(most, heapInUse());
        }
        extra = std::max(extra, most - redrawHeap);
    }
    state.counters["redraw_heap_bytes"] = static_cast<double>(redrawHeap);
    state.counters["reveal_extra_bytes"] = static_cast<double>(std::max(0LL, extra));
    state.counters["trace_bytes"] = static_cast<double>(window.form.graphView().trace().memoryBytes());
    state.counters["drawing_bytes"] =
        static_cast<double>(window.form.controls().picGraph->drawing().memoryBytes());
}
BENCHMARK(BM_RevealMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
