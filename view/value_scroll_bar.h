#pragma once

#include "lesson/scroll_bar_ranges.h"

#include <QScrollBar>

namespace velnorit::view {

using lesson::ScrollBarRange;

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
