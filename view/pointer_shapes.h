#pragma once

#include <QCursor>

namespace velnorit::view {

// The eraser's pointer: a small square inside a larger one, hot spot in the
// middle, black with a white rim so that it shows on any background.
QCursor squareInSquareCursor();

} // namespace velnorit::view
