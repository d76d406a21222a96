// The vertical zoom, the window of 700 denominators and the sideways pan.
#include "core/integer_rules.h"
#include "view/graph_view.h"
#include "view/regional_numbers.h"

namespace velnorit::view {

void GraphView::vscMaßstab_Change() {
    applyZoom();
    redraw();
}

void GraphView::applyZoom() {
    const double k = controls_.vscMaßstab->value();
    state_.yScale = checkedDivide(100, checkedPower(1.4, k));
}

void GraphView::vscMassX_Change() {
    applyWindowLabels();
    redraw();
}

void GraphView::applyWindowLabels() {
    Integer m = controls_.vscMassX->value();
    controls_.Text1[1]->setUtf8(boxText(integerAdd(integerMultiply(m, 500), 1)));
    m = controls_.vscMassX->value();
    controls_.Text1[3]->setUtf8(boxText(integerAdd(integerMultiply(m, 500), 701)));
}

// Panning moves the graph picture inside its container; nothing is redrawn.
void GraphView::hscn_Change() {
    const Integer v = controls_.hscn->value();
    controls_.picContainer->setChildLeft(controls_.picGraph, integerMultiply(v, -2));
}

void GraphView::hscn_Scroll() { hscn_Change(); }

} // namespace velnorit::view
