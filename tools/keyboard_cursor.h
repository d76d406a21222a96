#pragma once

#include "core/result_list.h"
#include "core/scan.h"

#include <span>

namespace velnorit::tools {

// The rules of the keyboard cursor on the graph: it stands on one
// denominator of the visible window and on one side of it (the upper or the
// lower fraction, as a pointer above or below the target chooses).
//
// The window starting at nStart holds the denominators nStart up to
// nStart + 700, and none beyond 10000 (the scan's last one). The cursor never
// leaves it: at its edges every move stops.
class KeyboardCursor {
public:
    struct Position {
        int n = 1;
        Side side = Side::Lower;
        bool operator==(const Position&) const = default;
    };

    static constexpr int kWindowSpan = 700;

    // A new window; the cursor is moved into it.
    void setWindow(int nStart);
    int firstInWindow() const { return first_; }
    int lastInWindow() const { return last_; }

    Position position() const { return position_; }
    // Anywhere, kept inside the window.
    void moveTo(Position position);

    void next();     // →
    void previous(); // ←
    void first();    // Pos1
    void last();     // Ende
    void upper();    // ↑
    void lower();    // ↓
    // Strg+→ and Strg+←: the next or previous denominator with a record of
    // either side, on the record's side (the lower one where both are). The
    // records come in the list's order. Without one before the window's
    // edge the cursor stops at the edge.
    void nextRecord(std::span<const RecordPlace> records);
    void previousRecord(std::span<const RecordPlace> records);

private:
    int clampToWindow(int n) const;

    int first_ = 1;
    int last_ = 1 + kWindowSpan;
    Position position_;
};

} // namespace velnorit::tools
