#pragma once

#include "view/drawing_surface.h"
#include "view/lesson_file.h"

#include <vector>

namespace velnorit::view {

// The blackboard's operations as a lesson file keeps them: each operation's
// arguments in the graph's user units, without the pixel mapping of the
// screen they were drawn on.
std::vector<BoardOp> boardOpsOf(const DrawingSlice& slice);

// Draws the operations on the surface in its current coordinate system, as
// the tools drew them, so that their pixels fit this screen. The pen state
// (position, width, colour, font size) is left as it was.
void drawBoardOps(DrawingSurface& surface, const std::vector<BoardOp>& ops);

} // namespace velnorit::view
