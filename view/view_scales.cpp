// The vertical zoom, the window of 700 denominators and the sideways pan.
#include "core/integer_rules.h"
#include "view/graph_view.h"
#include "view/graph_window.h"
#include "view/regional_numbers.h"

namespace velnorit::view {

using namespace graph_window;

void GraphView::vscMaßstab_Change() {
    applyZoom();
    redraw();
}

void GraphView::applyZoom() {
    const double k = controls_.vscMaßstab->value();
    state_.yScale = checkedDivide(kZoomTop, checkedPower(kZoomBase, k));
}

void GraphView::vscMassX_Change() {
    applyWindowLabels();
    redraw();
}

void GraphView::applyWindowLabels() {
    Integer m = controls_.vscMassX->value();
    controls_.Text1[1]->setUtf8(boxText(integerAdd(integerMultiply(m, kStep), 1)));
    m = controls_.vscMassX->value();
    controls_.Text1[3]->setUtf8(boxText(integerAdd(integerMultiply(m, kStep), 1 + kSpan)));
}

// Panning moves the graph picture inside its container; nothing is redrawn.
void GraphView::hscn_Change() {
    const Integer v = controls_.hscn->value();
    controls_.picContainer->setChildLeft(controls_.picGraph, integerMultiply(v, -kPanPerStep));
}

void GraphView::hscn_Scroll() { hscn_Change(); }

} // namespace velnorit::view
