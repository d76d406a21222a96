// The menu "Extras" on a full-screen window (1920 x 1080): undo of one
// drawing step and of a redraw, each with the repaint it causes, and saving
// the graph panel as PNG and as SVG.
#include "shell/form1.h"
#include "shell/picture_files.h"
#include "view/graph_picture.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using velnorit::shell::Form1;

struct ShownWindow {
    ShownWindow() {
        form.Form_Load();
        form.show();
        QApplication::processEvents();
    }

    void send(QEvent::Type type, double x, double y, Qt::MouseButton button, Qt::MouseButtons held) {
        velnorit::view::DrawingSurface* graph = form.controls().picGraph;
        const QPointF pixel = graph->toPixels(x, y);
        QMouseEvent event(type, pixel, graph->mapToGlobal(pixel), button, held, Qt::NoModifier);
        QApplication::sendEvent(graph, &event);
    }

    // A free-hand stroke of 50 segments across the view.
    void stroke() {
        const double t = form.state().target.value_or(0);
        send(QEvent::MouseButtonPress, 8, t, Qt::LeftButton, Qt::LeftButton);
        for (int i = 1; i <= 50; ++i)
            send(QEvent::MouseMove, 8 + 0.5 * i, t + (i % 2 == 0 ? 0.08 : -0.08), Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, 33, t, Qt::LeftButton, Qt::NoButton);
    }

    Form1 form;
};

// Undo of a stroke on the full plot (timed), then its redo (not timed).
void BM_UndoDrawingStep(benchmark::State& state) {
    ShownWindow window;
    window.stroke();
    QApplication::processEvents();
    for (auto _ : state) {
        window.form.cmdUndo_Click();
        QApplication::processEvents();
        state.PauseTiming();
        window.form.cmdRedo_Click();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoDrawingStep)->Unit(benchmark::kMillisecond);

// Undo of a change of the sign, with a stroke on the picture before it: the
// settings, the picture, the list and the stroke come back.
void BM_UndoRedraw(benchmark::State& state) {
    ShownWindow window;
    window.stroke();
    window.form.controls().Option1[1]->click();
    QApplication::processEvents();
    for (auto _ : state) {
        window.form.cmdUndo_Click();
        QApplication::processEvents();
        state.PauseTiming();
        window.form.cmdRedo_Click();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoRedraw)->Unit(benchmark::kMillisecond);

void savePicture(benchmark::State& state, const char* name) {
    ShownWindow window;
    window.stroke();
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QString::fromLatin1(name));
    const velnorit::view::GraphControls& controls = window.form.graphView().controls();
    const QString title = velnorit::view::worksheetTitle(window.form.graphView().drawnSettings());
    for (auto _ : state) {
        const QString failure = velnorit::shell::writePictureFile(path, controls, title);
        if (!failure.isEmpty()) state.SkipWithError(failure.toUtf8().constData());
    }
    state.counters["panel_px"] = controls.picContainer->width();
}

void BM_SavePng(benchmark::State& state) { savePicture(state, "bild.png"); }
BENCHMARK(BM_SavePng)->Unit(benchmark::kMillisecond);

void BM_SaveSvg(benchmark::State& state) { savePicture(state, "bild.svg"); }
BENCHMARK(BM_SaveSvg)->Unit(benchmark::kMillisecond);

} // namespace
