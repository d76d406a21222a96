#pragma once

#include "core/integer_rules.h"

#include <QtCore/qnamespace.h>

// The ranges of the window's scroll bars, known to the bars themselves and to
// everything that checks a value before it reaches them (a lesson file).
namespace velnorit::lesson {

// The range of a scroll bar as the program sees it: the value at the top (or
// left) end, the value at the bottom (or right) end, the change per arrow
// click and per click into the track, and the value at start.
struct ScrollBarRange {
    Qt::Orientation orientation;
    Integer topOrLeftValue;
    Integer bottomOrRightValue;
    Integer arrowStep;
    Integer trackStep;
    Integer initialValue;
};

// Vertical bars hold their larger value at the top, so the upper arrow raises it.
inline constexpr ScrollBarRange kWurzelBar{Qt::Vertical, 99, 0, 1, 1, 5};
inline constexpr ScrollBarRange kAbsBar{Qt::Vertical, 99, 0, 1, 1, 0};
inline constexpr ScrollBarRange kNennerBar{Qt::Vertical, 99, 1, 1, 1, 2};
inline constexpr ScrollBarRange kMaßstabBar{Qt::Vertical, 30, 1, 1, 10, 3};
inline constexpr ScrollBarRange kMassXBar{Qt::Vertical, 19, 0, 1, 1, 0};
inline constexpr ScrollBarRange kHscnBar{Qt::Horizontal, 0, 750, 1, 10, 0};

} // namespace velnorit::lesson
