// Saving and opening a lesson: a board of 300 free-hand strokes of 200 points
// each (a busy lesson), and a board of as many operations as a file may hold.
#include "lesson/lesson.h"

#include "tests/support/sample_lessons.h"

#include <benchmark/benchmark.h>

namespace {

using namespace velnorit::lesson;

const Lesson& busyLesson() {
    static const Lesson lesson = velnorit::samples::penLesson(300, 200);
    return lesson;
}

// As the window saves: written, and read back to be sure that it opens again.
void BM_SaveLesson(benchmark::State& state) {
    QByteArray bytes;
    for (auto _ : state) {
        LessonBytesOrError written = writeReopenableLesson(busyLesson());
        if (!std::holds_alternative<QByteArray>(written)) state.SkipWithError("the lesson was refused");
        else bytes = std::move(std::get<QByteArray>(written));
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_SaveLesson)->Unit(benchmark::kMillisecond);

void openLesson(benchmark::State& state, const QByteArray& bytes) {
    for (auto _ : state) {
        LessonOrError lesson = readLesson(bytes);
        if (!std::holds_alternative<Lesson>(lesson)) state.SkipWithError("the lesson was refused");
        benchmark::DoNotOptimize(&lesson);
    }
    state.counters["bytes"] = double(bytes.size());
}

void BM_OpenLesson(benchmark::State& state) { openLesson(state, writeLesson(busyLesson())); }
BENCHMARK(BM_OpenLesson)->Unit(benchmark::kMillisecond);

// The largest board a file may hold, as pen strokes: it must still open well
// within a second.
void BM_OpenLargestBoard(benchmark::State& state) {
    static const QByteArray bytes = writeLesson(velnorit::samples::penLesson(1250, int(kMaxBoardOps / 1250)));
    openLesson(state, bytes);
}
BENCHMARK(BM_OpenLargestBoard)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
