#include "view/value_scroll_bar.h"

#include <algorithm>
#include <cstdlib>

namespace velnorit::view {

// Inside, the bar runs from 0 at the top or left end to the span at the other
// end; the program's value is counted from the top or left value towards the
// bottom or right value.
ValueScrollBar::ValueScrollBar(const ScrollBarRange& range, QWidget* parent)
    : QScrollBar(range.orientation, parent), range_(range) {
    setRange(0, std::abs(range.bottomOrRightValue - range.topOrLeftValue));
    setSingleStep(range.arrowStep);
    setPageStep(range.trackStep);
    // Without tracking, a dragged thumb reports sliderMoved and changes the
    // value only when it is released.
    setTracking(false);
    // Reachable by Tab and by a click; the arrow keys move it by its arrow
    // step, Page Up and Page Down by its track step, Home and End to its ends.
    setFocusPolicy(Qt::StrongFocus);
    QScrollBar::setValue(toPosition(range.initialValue));
    connect(this, &QAbstractSlider::valueChanged, this, &ValueScrollBar::change);
    connect(this, &QAbstractSlider::sliderMoved, this, &ValueScrollBar::scroll);
}

Integer ValueScrollBar::value() const { return fromPosition(sliderPosition()); }

void ValueScrollBar::setValue(Integer value) { QScrollBar::setValue(toPosition(value)); }

Integer ValueScrollBar::fromPosition(int position) const {
    const int direction = range_.bottomOrRightValue >= range_.topOrLeftValue ? 1 : -1;
    return static_cast<Integer>(range_.topOrLeftValue + direction * position);
}

int ValueScrollBar::toPosition(Integer value) const {
    const int low = std::min(range_.topOrLeftValue, range_.bottomOrRightValue);
    const int high = std::max(range_.topOrLeftValue, range_.bottomOrRightValue);
    const int clamped = std::clamp<int>(value, low, high);
    return std::abs(clamped - range_.topOrLeftValue);
}

} // namespace velnorit::view
