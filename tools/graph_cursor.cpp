#include "tools/graph_cursor.h"

#include "tools/graph_pan.h"
#include "tools/pointer_tools.h"
#include "view/graph_window.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velnorit::tools {

namespace {

// The readout point lies this share of the half height of the band above
// or below the target line.
constexpr double kReadoutHeight = 0.3;
// The marker: a little wider than both bars of a denominator (the upper bar
// spans n + 0.3 .. n + 0.7, the lower one n + 0.4 .. n + 0.8), and a little
// beyond the bar's ends, at least as high as kLeastHeight half heights.
constexpr float kMarkerLeft = 0.15f;
constexpr float kMarkerRight = 0.95f;
constexpr double kMarkerMargin = 0.02;
constexpr double kLeastHeight = 0.06;
// The lower bar hangs 0.0004 * yScale (0.04 half heights) below its values.
constexpr double kLowerBarDrop = 0.04;
// Panning keeps half a denominator left of the bar in view.
constexpr double kPanMarginLeft = 0.5;

} // namespace

GraphCursor::GraphCursor(const WindowState& state, const view::FormControls& controls, const view::GraphView& view,
                         PointerTools& tools, QObject* parent)
    : QObject(parent), state_(state), c_(controls), view_(view), tools_(tools), marker_(*controls.picGraph) {
    connect(c_.picGraph, &view::DrawingSurface::mouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y) { followPointer(x, y); });
    connect(c_.picGraph, &view::DrawingSurface::mouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) { followPointer(x, y); });
    connect(c_.picGraph, &view::DrawingSurface::cleared, this, [this] { marker_.hide(); });
}

Integer GraphCursor::windowFor(int n) {
    const int beyondFirst = n - 1 - view::graph_window::kSpan;
    const int m = beyondFirst <= 0 ? 0 : (beyondFirst + view::graph_window::kStep - 1) / view::graph_window::kStep;
    return static_cast<Integer>(std::min(m, (kLastDenominator - 1) / view::graph_window::kStep));
}

bool GraphCursor::keyPressed(int key, Qt::KeyboardModifiers modifiers) {
    syncWindow();
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const std::vector<RecordPlace>& records = view_.trace().recordPlaces();
    switch (key) {
    case Qt::Key_Right:
        control ? cursor_.nextRecord(records) : cursor_.next();
        break;
    case Qt::Key_Left:
        control ? cursor_.previousRecord(records) : cursor_.previous();
        break;
    case Qt::Key_Home:
        cursor_.first();
        break;
    case Qt::Key_End:
        cursor_.last();
        break;
    case Qt::Key_Up:
        cursor_.upper();
        break;
    case Qt::Key_Down:
        cursor_.lower();
        break;
    default:
        return false;
    }
    show();
    return true;
}

void GraphCursor::goTo(KeyboardCursor::Position position) {
    syncWindow();
    cursor_.moveTo(position);
    show();
}

// The bar moves the window as the user would, and its change handler
// redraws: that redraw is the step undo takes back.
void GraphCursor::goToRecord(const RecordPlace& place) {
    syncWindow();
    if (place.n < cursor_.firstInWindow() || place.n > cursor_.lastInWindow()) c_.vscMassX->setValue(windowFor(place.n));
    goTo({place.n, place.side});
}

void GraphCursor::syncWindow() { cursor_.setWindow(static_cast<int>(valueOf(state_.nStart))); }

// The same inputs a pointer move gives the readout, so the field, its
// colour and the accuracy box show what the mouse would show at this bar.
void GraphCursor::show() {
    syncWindow();
    const QPointF point = readoutPoint();
    tools_.showReadoutAt(single(point.x()), single(point.y()));
    frameBar();
    panToCursor();
    emit shown();
}

// The pointer reads denominators after the window's first and up to 10000,
// the upper side strictly above the target; the point stays inside the
// band drawn last where that band allows the side.
QPointF GraphCursor::readoutPoint() const {
    const KeyboardCursor::Position p = cursor_.position();
    const float x = p.n < kLastDenominator ? static_cast<float>(p.n) + 0.5f : static_cast<float>(p.n);
    const view::DrawingSurface& graph = *c_.picGraph;
    const double drawnTarget = graph.scaleTop() + graph.scaleHeight() / 2.0;
    const double half = std::abs(graph.scaleHeight()) / 2.0;
    const double target = valueOf(state_.target);
    float y = 0;
    if (p.side == Side::Upper) {
        y = single(drawnTarget + kReadoutHeight * half);
        while (!(y > target)) y = std::nextafter(y, std::numeric_limits<float>::infinity());
    } else {
        y = single(drawnTarget - kReadoutHeight * half);
        while (y > target) y = std::nextafter(y, -std::numeric_limits<float>::infinity());
    }
    return {x, y};
}

// Around the bar as the last redraw drew it: from the target line of that
// redraw to the fraction's value, cut at the band's edge.
void GraphCursor::frameBar() {
    const KeyboardCursor::Position p = cursor_.position();
    const view::DrawingSurface& graph = *c_.picGraph;
    const double t = graph.scaleTop() + graph.scaleHeight() / 2.0;
    const double half = std::abs(graph.scaleHeight()) / 2.0;
    const double n = p.n;
    double from = 0;
    double to = 0;
    if (p.side == Side::Upper) {
        const double end = std::min(state_.upperNumAt(p.n) / n, t + half);
        from = t - kMarkerMargin * half;
        to = std::max(end, t + kLeastHeight * half) + kMarkerMargin * half;
    } else {
        const double end = std::max(state_.lowerNumAt(p.n) / n, t - half) - kLowerBarDrop * half;
        from = t + kMarkerMargin * half;
        to = std::min(end, t - kLeastHeight * half) - kMarkerMargin * half;
    }
    marker_.frame(static_cast<float>(p.n) + kMarkerLeft, static_cast<float>(p.n) + kMarkerRight, single(from),
                  single(to));
}

// Bar and readout field both in view, the bar in the middle when the graph
// has to move at all.
void GraphCursor::panToCursor() {
    const view::DrawingSurface& graph = *c_.picGraph;
    const double from = cursor_.position().n - kPanMarginLeft;
    const double to = graph.childLeft(c_.Text6) + graph.childWidth(c_.Text6);
    const Integer pan = panToShow(c_, from, to, 0.5);
    if (pan != c_.hscn->value()) c_.hscn->setValue(pan);
}

// Where the pointer reads a fraction, the cursor follows it.
void GraphCursor::followPointer(float x, float y) {
    if (!(valueOf(state_.nStart) < x && x <= kLastDenominator)) return;
    syncWindow();
    cursor_.moveTo({static_cast<int>(std::floor(x)), y > valueOf(state_.target) ? Side::Upper : Side::Lower});
    marker_.hide();
}

} // namespace velnorit::tools
