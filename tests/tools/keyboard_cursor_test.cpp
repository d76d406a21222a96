// The keyboard cursor's rules at the edges of the denominator window and at
// denominators where both sides are records.
#include "tools/keyboard_cursor.h"

#include <gtest/gtest.h>

#include <vector>

namespace velnorit {
namespace {

using tools::KeyboardCursor;
using Position = KeyboardCursor::Position;

constexpr Side L = Side::Lower;
constexpr Side U = Side::Upper;

// Records in the list's order: by denominator, the lower before the upper.
// Both sides at 1, 701, 4600 and 10000; 702 and 5202 lie just past a
// window, 9400 just before the last one.
const std::vector<RecordPlace> kRecords = {
    {1, L}, {1, U}, {2, U}, {9, L}, {700, U}, {701, L}, {701, U}, {702, U}, {4501, U}, {4600, L}, {4600, U},
    {5201, U}, {5202, L}, {9400, L}, {9501, L}, {9600, U}, {9999, L}, {10000, L}, {10000, U}};

enum class Op { Next, Previous, First, Last, Upper, Lower, NextRecord, PreviousRecord, MoveTo };

struct Case {
    int nStart;
    Position from;
    Op op;
    Position expected;
    Position moveTarget = {};
};

void apply(KeyboardCursor& cursor, const Case& c) {
    switch (c.op) {
    case Op::Next: cursor.next(); break;
    case Op::Previous: cursor.previous(); break;
    case Op::First: cursor.first(); break;
    case Op::Last: cursor.last(); break;
    case Op::Upper: cursor.upper(); break;
    case Op::Lower: cursor.lower(); break;
    case Op::NextRecord: cursor.nextRecord(kRecords); break;
    case Op::PreviousRecord: cursor.previousRecord(kRecords); break;
    case Op::MoveTo: cursor.moveTo(c.moveTarget); break;
    }
}

TEST(KeyboardCursor, StaysInItsWindowAndLandsOnRecords) {
    const Case cases[] = {
        // The first window, 1..701.
        {1, {700, L}, Op::Next, {701, L}},
        {1, {701, L}, Op::Next, {701, L}},
        {1, {1, U}, Op::Previous, {1, U}},
        {1, {5, L}, Op::Previous, {4, L}},
        {1, {300, U}, Op::First, {1, U}},
        {1, {300, U}, Op::Last, {701, U}},
        {1, {1, L}, Op::NextRecord, {2, U}},
        {1, {2, U}, Op::NextRecord, {9, L}},
        {1, {9, U}, Op::NextRecord, {700, U}},
        {1, {700, U}, Op::NextRecord, {701, L}}, // both sides: the lower one
        {1, {701, U}, Op::NextRecord, {701, U}}, // 702 lies outside: stops at the edge
        {1, {600, L}, Op::NextRecord, {700, U}},
        {1, {9, L}, Op::PreviousRecord, {2, U}},
        {1, {2, L}, Op::PreviousRecord, {1, L}}, // both sides: the lower one
        {1, {1, U}, Op::PreviousRecord, {1, U}}, // nothing before: stays at the edge
        {1, {701, L}, Op::PreviousRecord, {700, U}},
        {0, {1, L}, Op::Last, {701, L}}, // before the first redraw nStart reads 0
        // A middle window, 4501..5201.
        {4501, {4501, L}, Op::NextRecord, {4600, L}},
        {4501, {4600, U}, Op::NextRecord, {5201, U}},
        {4501, {5201, L}, Op::NextRecord, {5201, L}}, // 5202 lies outside
        {4501, {4600, L}, Op::PreviousRecord, {4501, U}},
        {4501, {4501, U}, Op::PreviousRecord, {4501, U}}, // 702 lies outside
        {4501, {4550, L}, Op::PreviousRecord, {4501, U}},
        {4501, {4520, L}, Op::First, {4501, L}},
        {4501, {5201, U}, Op::Next, {5201, U}},
        {4501, {4501, U}, Op::Previous, {4501, U}},
        {4501, {4700, U}, Op::MoveTo, {4501, L}, {100, L}},
        {4501, {4700, U}, Op::MoveTo, {5201, U}, {6000, U}},
        // The last window, 9501..10000: 10001..10201 have no denominators.
        {9501, {9600, L}, Op::Last, {10000, L}},
        {9501, {10000, U}, Op::Next, {10000, U}},
        {9501, {9999, U}, Op::NextRecord, {10000, L}},
        {9501, {10000, L}, Op::NextRecord, {10000, L}},
        {9501, {9501, U}, Op::PreviousRecord, {9501, U}}, // 9400 lies outside
        {9501, {9600, L}, Op::PreviousRecord, {9501, L}},
        {9501, {10000, U}, Op::PreviousRecord, {9999, L}},
        {9501, {9700, L}, Op::Upper, {9700, U}},
        {9501, {9700, U}, Op::Lower, {9700, L}},
        {9501, {9700, L}, Op::MoveTo, {10000, U}, {10150, U}},
    };
    for (const Case& c : cases) {
        KeyboardCursor cursor;
        cursor.setWindow(c.nStart);
        cursor.moveTo(c.from);
        ASSERT_EQ(cursor.position(), c.from) << "start " << c.from.n;
        apply(cursor, c);
        EXPECT_EQ(cursor.position(), c.expected)
            << "window " << c.nStart << ", from " << c.from.n << ", op " << static_cast<int>(c.op) << ": at "
            << cursor.position().n << (cursor.position().side == U ? " upper" : " lower");
    }
}

TEST(KeyboardCursor, ANewWindowTakesTheCursorIn) {
    KeyboardCursor cursor;
    cursor.setWindow(1);
    cursor.moveTo({30, U});
    cursor.setWindow(9501);
    EXPECT_EQ(cursor.position(), (Position{9501, U}));
    EXPECT_EQ(cursor.firstInWindow(), 9501);
    EXPECT_EQ(cursor.lastInWindow(), 10000);
    cursor.last();
    cursor.setWindow(4501);
    EXPECT_EQ(cursor.position(), (Position{5201, U}));
}

} // namespace
} // namespace velnorit
