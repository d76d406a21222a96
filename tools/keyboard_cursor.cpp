#include "tools/keyboard_cursor.h"

#include "core/window_state.h"

#include <algorithm>

namespace velnorit::tools {

// Before the first redraw nStart reads 0; the first denominator is 1.
void KeyboardCursor::setWindow(int nStart) {
    first_ = std::clamp(nStart, 1, kLastDenominator);
    last_ = std::min(first_ + kWindowSpan, kLastDenominator);
    position_.n = clampToWindow(position_.n);
}

int KeyboardCursor::clampToWindow(int n) const { return std::clamp(n, first_, last_); }

void KeyboardCursor::moveTo(Position position) { position_ = {clampToWindow(position.n), position.side}; }

void KeyboardCursor::next() { position_.n = clampToWindow(position_.n + 1); }

void KeyboardCursor::previous() { position_.n = clampToWindow(position_.n - 1); }

void KeyboardCursor::first() { position_.n = first_; }

void KeyboardCursor::last() { position_.n = last_; }

void KeyboardCursor::upper() { position_.side = Side::Upper; }

void KeyboardCursor::lower() { position_.side = Side::Lower; }

// In the list a denominator's lower record comes before its upper one, so
// the first record of a denominator names the side to land on.
void KeyboardCursor::nextRecord(std::span<const RecordPlace> records) {
    const auto found = std::find_if(records.begin(), records.end(),
                                    [this](const RecordPlace& r) { return r.n > position_.n; });
    if (found == records.end() || found->n > last_) {
        position_.n = last_;
        return;
    }
    position_ = {found->n, found->side};
}

void KeyboardCursor::previousRecord(std::span<const RecordPlace> records) {
    const auto after = std::find_if(records.begin(), records.end(),
                                    [this](const RecordPlace& r) { return r.n >= position_.n; });
    if (after == records.begin() || std::prev(after)->n < first_) {
        position_.n = first_;
        return;
    }
    const int n = std::prev(after)->n;
    const auto firstOfN = std::find_if(records.begin(), after, [n](const RecordPlace& r) { return r.n == n; });
    position_ = {n, firstOfN->side};
}

} // namespace velnorit::tools
