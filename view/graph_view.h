#pragma once

#include "core/continued_fraction.h"
#include "core/window_state.h"
#include "view/form_controls.h"
#include "lesson/view_settings.h"
#include "view/redraw_listener.h"
#include "view/redraw_trace.h"

#include <vector>

namespace velnorit::view {

using lesson::ViewSettings;

// The handlers of the parameter controls and the view scales, and redraw,
// the one routine that recomputes and repaints graph, legend and list.
//
// Handlers never catch the run-time error of the value rules: it leaves them
// with whatever they changed so far, and the window reports it.
class GraphView {
public:
    GraphView(WindowState& state, const FormControls& controls);

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

    // The settings the controls show now, and those the last redraw drew.
    ViewSettings settings() const;
    const ViewSettings& drawnSettings() const { return drawnSettings_; }
    // Puts the controls and the values that follow from them (the parameter
    // boxes, target, the zoom, the window labels, the pan) back to the given
    // settings without running their handlers and without redrawing.
    void restoreSettings(const ViewSettings& settings);
    // Told before and after every redraw, in the order they were added.
    void addRedrawListener(RedrawListener* listener);
    void removeRedrawListener(RedrawListener* listener);

    const FormControls& controls() const { return controls_; }
    // The record places and the drawing's sizes per denominator of the last redraw.
    const RedrawTrace& trace() const { return trace_; }

    // The parameters and the sign that the last computeTarget used: the
    // exact form of target.
    const TargetParameters& targetParameters() const { return targetParameters_; }

private:
    void applyZoom();
    void applyWindowLabels();

    WindowState& state_;
    const FormControls& controls_;
    ViewSettings drawnSettings_;
    std::vector<RedrawListener*> listeners_;
    TargetParameters targetParameters_;
    RedrawTrace trace_;
};

} // namespace velnorit::view
