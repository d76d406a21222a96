#include "tools/graph_pan.h"

#include "view/graph_window.h"

#include <algorithm>
#include <cmath>

namespace velnorit::tools {

SeenStretch seenStretch(const view::FormControls& c) {
    return {static_cast<double>(c.picLegende->geometry().right() + 1), static_cast<double>(c.Picture1->geometry().left())};
}

// The graph's left edge lies at -kPanPerStep * v units of the panel.
Integer panToShow(const view::FormControls& c, double fromX, double toX, double anchor) {
    const view::DrawingSurface& panel = *c.picContainer;
    const view::DrawingSurface& graph = *c.picGraph;
    const SeenStretch seen = seenStretch(c);
    const double from = graph.toPixels(fromX, 0).x();
    const double to = graph.toPixels(toX, 0).x();
    const double graphLeft = graph.geometry().left();
    if (graphLeft + from >= seen.left && graphLeft + to <= seen.right) return c.hscn->value();

    const double wantedLeft = seen.left + anchor * (seen.right - seen.left) - (from + to) / 2;
    const double pixelsPerStep = view::graph_window::kPanPerStep * panel.pixelsPerUnitX();
    if (pixelsPerStep <= 0) return c.hscn->value();
    const double steps = std::round((panel.toPixels(0, 0).x() - wantedLeft) / pixelsPerStep);
    const double lowest = std::min(c.hscn->topOrLeftValue(), c.hscn->bottomOrRightValue());
    const double highest = std::max(c.hscn->topOrLeftValue(), c.hscn->bottomOrRightValue());
    return static_cast<Integer>(std::clamp(steps, lowest, highest));
}

} // namespace velnorit::tools
