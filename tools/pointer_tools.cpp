// The three mouse handlers of the graph, in the order their steps run, and
// the tool and colour choice of the frame "Zeichnen".
#include "tools/pointer_tools.h"

#include "core/target.h"

namespace velnorit::tools {

PointerTools::PointerTools(WindowState& state, const view::FormControls& controls)
    : state_(state), c_(controls) {}

bool PointerTools::selected(Tool tool) const { return c_.Option2[tool]->isChecked(); }

// buttonDown before the first press holds no value and counts as False.
bool PointerTools::buttonIsDown() const { return state_.buttonDown.value_or(false); }

// The pen colour is the tall box beside the swatches, read whenever it is used.
view::RgbValue PointerTools::penColour() const { return c_.Picture2[view::kPenColourBox]->backColor(); }

// Which button was pressed does not matter: every button draws.
void PointerTools::picGraph_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) {
    state_.buttonDown = true;
    if (selected(kEraser)) {
        showEraser();
        placeEraser(x, y);
        eraseUnderSquare();
    }
    if (selected(kFreehand)) penDot(x, y);
    if (selected(kSlope)) startSlope(x, y);
    if (selected(kMarker)) stampMarker(x, y);
}

void PointerTools::picGraph_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y) {
    const int sign = optionSign(c_.plusSelected(), c_.minusSelected());
    if (selected(kEraser)) {
        showEraser();
        graph().setMousePointer(view::kSquarePointer);
        placeEraser(x, y);
    }
    if (selected(kEraser) && buttonIsDown()) {
        placeEraser(x, y);
        eraseUnderSquare();
    }
    if (selected(kSlope) && buttonIsDown()) stretchSlope(x, y);
    if (selected(kFreehand) && buttonIsDown()) penSegment(x, y);
    readout(x, y, sign);
}

void PointerTools::picGraph_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) {
    if (selected(kSlope)) endSlope(x, y);
    state_.buttonDown = false;
}

// The slope line has the cross-hair, the other tools the square pointer.
// Choosing the eraser leaves its square hidden until the pointer comes over
// the graph; every other tool hides it.
void PointerTools::Option2_Click(int index) {
    graph().setMousePointer(index == kSlope ? view::kCrossPointer : view::kSquarePointer);
    if (index != kEraser) c_.Shape1->setVisible(false);
}

void PointerTools::Picture2_Click(int index) {
    view::DrawingSurface* chosen = c_.Picture2[static_cast<std::size_t>(index)];
    view::DrawingSurface* pen = c_.Picture2[view::kPenColourBox];
    if (chosen != pen) pen->setBackColor(chosen->backColor());
}

void PointerTools::Text3_Change() { state_.markText = c_.Text3->text().toStdString(); }

void PointerTools::hideReadout() { c_.Text6->setVisible(false); }

void PointerTools::showReadoutAt(float x, float y) { readout(x, y, optionSign(c_.plusSelected(), c_.minusSelected())); }

} // namespace velnorit::tools
