// The menu "Extras" on a full-screen window (1920 x 1080): undo of one
// drawing step and of a redraw, each with the repaint it causes, saving
// the graph panel as PNG and as SVG, and opening the window "Kettenbruch"
// for N = 10^18, saving a lesson from the window, and the recovery copy's
// share of the window's thread.
#include "shell/lesson_document.h"
#include "shell/extras_commands.h"
#include "shown_window.h"
#include "tests/support/sample_lessons.h"
#include "shell/continued_fraction_window.h"
#include "shell/picture_files.h"
#include "view/graph_picture.h"

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

// A free-hand stroke of 50 segments across the view.
void stroke(velnorit::bench::ShownWindow& window) {
    const double t = window.target();
    window.send(QEvent::MouseButtonPress, 8, t, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= 50; ++i)
        window.send(QEvent::MouseMove, 8 + 0.5 * i, t + (i % 2 == 0 ? 0.08 : -0.08), Qt::NoButton, Qt::LeftButton);
    window.send(QEvent::MouseButtonRelease, 33, t, Qt::LeftButton, Qt::NoButton);
}

// Times the undo of the last step with its repaint; the redo after it is not timed.
void timeUndo(benchmark::State& state, velnorit::bench::ShownWindow& window) {
    for (auto _ : state) {
        window.form.extras().undo();
        QApplication::processEvents();
        state.PauseTiming();
        window.form.extras().redo();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// Undo of a stroke on the full plot (timed), then its redo (not timed).
void BM_UndoDrawingStep(benchmark::State& state) {
    velnorit::bench::ShownWindow window;
    stroke(window);
    QApplication::processEvents();
    timeUndo(state, window);
}
BENCHMARK(BM_UndoDrawingStep)->Unit(benchmark::kMillisecond);

// Undo of a change of the sign, with a stroke on the picture before it: the
// settings, the picture, the list and the stroke come back.
void BM_UndoRedraw(benchmark::State& state) {
    velnorit::bench::ShownWindow window;
    stroke(window);
    window.form.controls().Option1[1]->click();
    QApplication::processEvents();
    timeUndo(state, window);
}
BENCHMARK(BM_UndoRedraw)->Unit(benchmark::kMillisecond);

// "Kettenbruch …" for √61 with 10^18 in the field: the text computed,
// filled in and painted. Closing it again is not timed.
void BM_ContinuedFractionWindow(benchmark::State& state) {
    velnorit::bench::ShownWindow window;
    window.form.controls().vscWurzel->setValue(61);
    window.form.controls().vscNenner->setValue(1);
    window.form.extras().showContinuedFraction();
    velnorit::shell::ContinuedFractionWindow& fraction = *window.form.extras().continuedFractionWindow();
    fraction.limitField().setText(QStringLiteral("1000000000000000000"));
    emit fraction.limitField().returnPressed();
    for (auto _ : state) {
        window.form.extras().showContinuedFraction();
        QApplication::processEvents();
        state.PauseTiming();
        fraction.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ContinuedFractionWindow)->Unit(benchmark::kMillisecond);

void savePicture(benchmark::State& state, const char* name) {
    velnorit::bench::ShownWindow window;
    stroke(window);
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QString::fromLatin1(name));
    const velnorit::view::FormControls& controls = window.form.graphView().controls();
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

// "Tafelbild speichern" from the window for a busy board (300 strokes of 200
// points): the lesson taken from the window, written, read back, put into its
// file, and the window marked as saved (its recovery copy removed).
void BM_SaveLessonFromWindow(benchmark::State& state) {
    QTemporaryDir folder;
    qputenv("XDG_STATE_HOME", folder.path().toUtf8());
    velnorit::bench::ShownWindow window;
    window.form.document().apply(velnorit::samples::penLesson(300, 200));
    const QString path = QDir(folder.path()).filePath("stunde.velnorit");
    for (auto _ : state) {
        const QString failure = window.form.document().saveTo(path);
        if (!failure.isEmpty()) state.SkipWithError(failure.toUtf8().constData());
    }
    state.counters["ops"] = double(window.form.document().collect().board.size());
}
BENCHMARK(BM_SaveLessonFromWindow)->Unit(benchmark::kMillisecond);

// The recovery copy's cost on the window's thread per step, for a busy
// board (300 strokes of 200 points, unsaved): a step (a pan, which the
// document notices from the scroll bar's signal) and what the timer does,
// the quick copy. Converting and writing run on the worker, awaited untimed.
void BM_RecoveryCopyOnWindowThread(benchmark::State& state) {
    QTemporaryDir stateFolder;
    qputenv("XDG_STATE_HOME", stateFolder.path().toUtf8());
    velnorit::bench::ShownWindow window;
    window.form.document().apply(velnorit::samples::penLesson(300, 200));
    velnorit::shell::RecoveryWriter& recovery = window.form.document().recovery();
    velnorit::Integer pan = 0;
    for (auto _ : state) {
        pan = static_cast<velnorit::Integer>(1 - pan);
        window.form.controls().hscn->setValue(pan);
        recovery.startWrite();
        state.PauseTiming();
        recovery.waitForWrite();
        state.ResumeTiming();
    }
    state.counters["ops"] = double(window.form.document().collect().board.size());
}
BENCHMARK(BM_RecoveryCopyOnWindowThread)->Unit(benchmark::kMillisecond);

} // namespace
