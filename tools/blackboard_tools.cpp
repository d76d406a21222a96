// The free-hand pen, the eraser and the marker: each draws straight into the
// graph's retained drawing.
#include "tools/pointer_tools.h"

#include "core/integer_rules.h"

namespace velnorit::tools {

namespace {

constexpr int kPenDotWidth = 2;
constexpr int kPenStrokeWidth = 3;
constexpr float kMarkerFontSize = 53;
// The marker text's top-left corner: this many denominators left of the
// pointer, and yScale / kMarkerRise above it.
constexpr double kMarkerLeft = 0.75;
constexpr double kMarkerRise = 1150;

} // namespace

void PointerTools::showEraser() { c_.Shape1->setVisible(true); }

// Centred across the pointer, its lower edge at the pointer (y grows upwards,
// so the top edge lies one square height above).
void PointerTools::placeEraser(float x, float y) {
    view::SurfaceRectangle& square = *c_.Shape1;
    square.setLeft(x - square.width() / 2);
    square.setTop(y + square.height());
}

// Fills exactly the square, in the graph's own background colour whatever pen
// colour is chosen.
void PointerTools::eraseUnderSquare() {
    const view::SurfaceRectangle& square = *c_.Shape1;
    const float left = square.left();
    const float top = square.top();
    graph().line(left, top, left + square.width(), top - square.height(), graph().backColor(),
                 view::LineMode::FilledBox);
}

void PointerTools::penDot(float x, float y) {
    view::DrawingSurface& g = graph();
    g.setDrawWidth(kPenDotWidth);
    g.pset(x, y, penColour());
    g.setDrawWidth(1);
    state_.lastX = x;
    state_.lastY = y;
}

// One segment from this move's point back to the previous one.
void PointerTools::penSegment(float x, float y) {
    view::DrawingSurface& g = graph();
    g.setDrawWidth(kPenStrokeWidth);
    g.line(x, y, state_.lastX.value_or(0.0f), single(state_.lastY), penColour());
    state_.lastX = x;
    state_.lastY = y;
    g.setDrawWidth(1);
}

// The text's top-left corner three quarters of a denominator left of the
// pointer and yScale/1150 above it. An empty text prints an empty line.
void PointerTools::stampMarker(float x, float y) {
    view::DrawingSurface& g = graph();
    g.setCurrentX(single(x - kMarkerLeft));
    g.setCurrentY(single(y + state_.yScale / kMarkerRise));
    g.setFontSize(kMarkerFontSize);
    g.setForeColor(penColour());
    g.print(state_.markText);
    g.setFontSize(kGraphFontSize);
    g.setForeColor(view::rgb(0, 0, 0));
}

} // namespace velnorit::tools
