// Start-up: from creating the application object to the first painted
// window (start-up with its three redraws, layout, show, first paint), on the
// offscreen platform with a 1920 x 1080 screen. Goal: at most 400 ms.
#include "offscreen_screen.h"
#include "shell/form1.h"

#include <QApplication>
#include <QEvent>
#include <benchmark/benchmark.h>

namespace {

class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void startUntilPainted() {
    velnorit::shell::Form1 form;
    FirstPaint firstPaint;
    form.controls().picGraph->installEventFilter(&firstPaint);
    form.Form_Load();
    form.show();
    while (!firstPaint.painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

int argumentCount = 1;
char programName[] = "startup_bench";
char* arguments[] = {programName, nullptr};

// The whole start inside one process: application object, window, first paint.
void startProgram(benchmark::State& bench) {
    for (auto _ : bench) {
        QApplication application(argumentCount, arguments);
        startUntilPainted();
    }
}
BENCHMARK(startProgram)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    useOffscreenFullHdScreen();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
