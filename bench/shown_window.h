#pragma once

// The window after start-up, shown on the benchmarks' full-HD offscreen
// screen with the whole plot drawn, and mouse events sent to its graph in the
// graph's user units.
#include "shell/form1.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace velnorit::bench {

struct ShownWindow {
    ShownWindow() {
        form.Form_Load();
        form.show();
        QApplication::processEvents();
    }

    void send(QEvent::Type type, double x, double y, Qt::MouseButton button, Qt::MouseButtons held) {
        view::DrawingSurface* graph = form.controls().picGraph;
        const QPointF pixel = graph->toPixels(x, y);
        QMouseEvent event(type, pixel, graph->mapToGlobal(pixel), button, held, Qt::NoModifier);
        QApplication::sendEvent(graph, &event);
    }

    double target() const { return form.state().target.value_or(0); }

    // The window's width and the graph's, to show the screen it ran on.
    void reportSize(benchmark::State& state) const {
        state.counters["window_px"] = form.width();
        state.counters["graph_px"] = form.controls().picGraph->width();
    }

    shell::Form1 form;
};

} // namespace velnorit::bench
