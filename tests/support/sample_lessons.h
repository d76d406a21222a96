#pragma once

#include "lesson/lesson.h"

// Lessons as the blackboard tools make them, for the tests, the benchmarks
// and the fuzzer's seed files.
namespace velnorit::samples {

// The window as it starts, with nothing drawn.
lesson::Lesson startLesson();

// A board with something of every kind the tools draw: a pen stroke with its
// dot, an eraser drag, a marker, a slope line with its box and label, and
// a circle.
lesson::Lesson everyKindLesson();

// strokes free-hand strokes of points points each across the graph, as the
// pen draws them (a dot, then a line back to the previous point per move).
lesson::Lesson penLesson(int strokes, int points);

} // namespace velnorit::samples
