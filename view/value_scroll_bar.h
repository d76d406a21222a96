#pragma once

#include "core/integer_rules.h"

#include <QScrollBar>

namespace velnorit::view {

// The range of a scroll bar as the program sees it: the value at the top (or
// left) end, the value at the bottom (or right) end, the change per arrow
// click and per click into the track, and the value at start.
struct ScrollBarRange {
    Qt::Orientation orientation;
    Integer topOrLeftValue;
    Integer bottomOrRightValue;
    Integer arrowStep;
    Integer trackStep;
    Integer initialValue;
};

// Vertical bars hold their larger value at the top, so the upper arrow raises it.
inline constexpr ScrollBarRange kWurzelBar{Qt::Vertical, 99, 0, 1, 1, 5};
inline constexpr ScrollBarRange kAbsBar{Qt::Vertical, 99, 0, 1, 1, 0};
inline constexpr ScrollBarRange kNennerBar{Qt::Vertical, 99, 1, 1, 1, 2};
inline constexpr ScrollBarRange kMaßstabBar{Qt::Vertical, 30, 1, 1, 10, 3};
inline constexpr ScrollBarRange kMassXBar{Qt::Vertical, 19, 0, 1, 1, 0};
inline constexpr ScrollBarRange kHscnBar{Qt::Horizontal, 0, 750, 1, 10, 0};

// A scroll bar whose value runs between two ends in either direction.
//
// change() comes once a value has settled: after an arrow or track click, a
// key, a value set by the program, or when a dragged thumb is released.
// scroll() comes repeatedly while the thumb is dragged; value() then reads
// the thumb's current place.
class ValueScrollBar : public QScrollBar {
    Q_OBJECT

public:
    ValueScrollBar(const ScrollBarRange& range, QWidget* parent = nullptr);

    Integer value() const;
    void setValue(Integer value); // clamped to the range; change() when it differs
    Integer topOrLeftValue() const { return range_.topOrLeftValue; }
    Integer bottomOrRightValue() const { return range_.bottomOrRightValue; }

signals:
    void change();
    void scroll();

private:
    Integer fromPosition(int position) const;
    int toPosition(Integer value) const;

    ScrollBarRange range_;
};

} // namespace velnorit::view
