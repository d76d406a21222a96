#pragma once

#include "core/window_state.h"
#include "view/form_controls.h"
#include "view/graph_view.h"

#include <QWidget>

#include <memory>

namespace velnorit::testing {

// The controls of the graph view in a plain window laid out like the main
// window (a panel of 100 x 100 units, the graph 1600 units wide), for tests
// and benchmarks of the view without the window shell.
class GraphHarness {
public:
    explicit GraphHarness(QSize windowSize = QSize(1024, 768));
    ~GraphHarness();

    // What start-up does for the view: the parameter boxes, target, the
    // zoom and the denominator window, each with its redraw, and a last redraw.
    void startUp();

    QWidget& window() { return *window_; }
    WindowState& state() { return *state_; }
    const view::FormControls& controls() const { return controls_; }
    view::GraphView& view() { return *view_; }
    view::DrawingSurface& graph() { return *controls_.picGraph; }

private:
    std::unique_ptr<QWidget> window_;
    std::unique_ptr<WindowState> state_;
    view::FormControls controls_;
    std::unique_ptr<view::GraphView> view_;
};

} // namespace velnorit::testing
