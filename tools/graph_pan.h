#pragma once

#include "core/integer_rules.h"
#include "view/form_controls.h"

namespace velnorit::tools {

// Where the class sees the graph, in pixels of the panel: from the left
// column's right edge (legend and frames) to the right column's left edge
// (formula panel and list); both columns lie over the graph.
struct SeenStretch {
    double left = 0;
    double right = 0;
};
SeenStretch seenStretch(const view::FormControls& c);

// The value of the pan bar hscn that shows the stretch of the graph from
// fromX to toX (the graph's user units) where the class sees it: the bar's
// value now when the stretch is in view already, else the value that puts
// the stretch's middle at `anchor` of the seen part (0 its left edge, 1 its
// right edge), as near as the bar's range allows.
Integer panToShow(const view::FormControls& c, double fromX, double toX, double anchor);

} // namespace velnorit::tools
