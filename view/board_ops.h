#pragma once

#include "view/drawing_surface.h"
#include "lesson/lesson.h"

#include <string>
#include <vector>

namespace velnorit::view {

// The board's operations copied out of a drawing as they are recorded,
// which is quick enough for every step on the user-interface thread;
// turning them into a lesson's operations can wait for another thread.
struct BoardCopy {
    std::vector<DrawOp> ops; // textOffset into texts
    std::string texts;
};
BoardCopy copyBoard(const RetainedDrawing& drawing, std::size_t first);

// The operations as a lesson file keeps them: each one's arguments in the
// graph's user units, without the pixel mapping of the screen they were
// drawn on.
std::vector<lesson::BoardOp> boardOpsOf(const BoardCopy& copy);

// A lesson taken from the window whose board is still a copy.
struct LessonSnapshot {
    lesson::Lesson lesson; // its board empty
    BoardCopy board;
};
lesson::Lesson completeLesson(LessonSnapshot snapshot);

// Draws the operations on the surface in its current coordinate system, as
// the tools drew them, so that their pixels fit this screen. The pen state
// (position, width, colour, font size) is left as it was.
void drawBoardOps(DrawingSurface& surface, const std::vector<lesson::BoardOp>& ops);

} // namespace velnorit::view
