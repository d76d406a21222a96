// The number to approximate: the three parameter bars, the sign options and
// the computation of target from them.
#include "core/target.h"
#include "view/graph_view.h"
#include "view/regional_numbers.h"

namespace velnorit::view {

GraphView::GraphView(WindowState& state, const FormControls& controls) : state_(state), controls_(controls) {}

void GraphView::computeTarget() {
    TargetControls read;
    read.plusSelected = controls_.plusSelected();
    read.minusSelected = controls_.minusSelected();
    read.wurzel = controls_.vscWurzel->value();
    read.abs = controls_.vscAbs->value();
    read.nenner = controls_.vscNenner->value();
    velnorit::computeTarget(state_, read);
    targetParameters_ = {read.wurzel, read.abs, read.nenner, state_.sign};
}

// A parameter change shows the new value and recomputes target; the graph and
// the list wait for the next redraw.
void GraphView::vscWurzel_Change() {
    controls_.txtWurzel->setUtf8(boxText(controls_.vscWurzel->value()));
    computeTarget();
}

void GraphView::vscAbs_Change() {
    controls_.txtAbs->setUtf8(boxText(controls_.vscAbs->value()));
    computeTarget();
}

void GraphView::vscNenner_Change() {
    controls_.txtNenner->setUtf8(boxText(controls_.vscNenner->value()));
    computeTarget();
}

void GraphView::Option1_Click(int /*index: both options are read*/) {
    computeTarget();
    redraw();
}

} // namespace velnorit::view
