// Reading the settings from the controls and putting them back, for the
// blackboard's undo.
#include "view/graph_view.h"
#include "view/regional_numbers.h"

#include <QSignalBlocker>

#include <algorithm>

namespace velnorit::view {

void GraphView::addRedrawListener(RedrawListener* listener) { listeners_.push_back(listener); }

void GraphView::removeRedrawListener(RedrawListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

ViewSettings GraphView::settings() const {
    ViewSettings s;
    s.wurzel = controls_.vscWurzel->value();
    s.abs = controls_.vscAbs->value();
    s.nenner = controls_.vscNenner->value();
    s.plus = controls_.plusSelected();
    s.minus = controls_.minusSelected();
    s.zoom = controls_.vscMaßstab->value();
    s.xWindow = controls_.vscMassX->value();
    s.pan = controls_.hscn->value();
    return s;
}

void GraphView::restoreSettings(const ViewSettings& s) {
    {
        const QSignalBlocker wurzel(controls_.vscWurzel), abs(controls_.vscAbs), nenner(controls_.vscNenner);
        const QSignalBlocker plus(controls_.Option1[0]), minus(controls_.Option1[1]);
        const QSignalBlocker zoom(controls_.vscMaßstab), window(controls_.vscMassX), pan(controls_.hscn);
        controls_.vscWurzel->setValue(s.wurzel);
        controls_.vscAbs->setValue(s.abs);
        controls_.vscNenner->setValue(s.nenner);
        // One exclusive group: selecting one option deselects the other.
        controls_.Option1[s.plus ? 0 : 1]->setChecked(true);
        controls_.vscMaßstab->setValue(s.zoom);
        controls_.vscMassX->setValue(s.xWindow);
        controls_.hscn->setValue(s.pan);
    }
    controls_.txtWurzel->setUtf8(boxText(s.wurzel));
    controls_.txtAbs->setUtf8(boxText(s.abs));
    controls_.txtNenner->setUtf8(boxText(s.nenner));
    computeTarget();
    applyZoom();
    applyWindowLabels();
    hscn_Change();
}

} // namespace velnorit::view
