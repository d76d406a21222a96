#pragma once

#include "core/continued_fraction.h"
#include "core/window_state.h"
#include "view/graph_controls.h"

namespace velnorit::view {

// The handlers of the parameter controls and the view scales, and redraw,
// the one routine that recomputes and repaints graph, legend and list.
//
// Handlers never catch the run-time error of the value rules: it leaves them
// with whatever they changed so far, and the window reports it.
class GraphView {
public:
    GraphView(WindowState& state, const GraphControls& controls);

    // Target number and parameter controls.
    void computeTarget();
    void vscWurzel_Change();
    void vscAbs_Change();
    void vscNenner_Change();
    void Option1_Click(int index);

    // View scales.
    void vscMaßstab_Change();
    void vscMassX_Change();
    void hscn_Change();
    void hscn_Scroll();

    void redraw();

    const GraphControls& controls() const { return controls_; }

    // The parameters and the sign that the last computeTarget used: the
    // exact form of target.
    const TargetParameters& targetParameters() const { return targetParameters_; }

private:
    WindowState& state_;
    GraphControls controls_;
    TargetParameters targetParameters_;
};

} // namespace velnorit::view
