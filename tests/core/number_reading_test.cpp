#include "core/number_reading.h"

#include <gtest/gtest.h>

namespace velnorit {
namespace {

TEST(Val, ReadsTheNumberAtTheStartOfTheText) {
    EXPECT_EQ(val(" 501"), 501);
    EXPECT_EQ(val("501"), 501);
    EXPECT_EQ(val("12abc"), 12);
    EXPECT_EQ(val("-.5"), -0.5);
    EXPECT_EQ(val("+4"), 4);
    EXPECT_EQ(val("1e3"), 1000);
    EXPECT_EQ(val("2.5D2"), 250);
    EXPECT_EQ(val("1e"), 1);   // an exponent without digits is not read
    EXPECT_EQ(val("7-3"), 7);
}

TEST(Val, SkipsBlanksTabsAndLineFeedsWhereverTheyStand) {
    EXPECT_EQ(val("\t\n 7"), 7);
    EXPECT_EQ(val("1 2 3"), 123);
    EXPECT_EQ(val("- 4 . 5"), -4.5);
}

TEST(Val, GivesZeroWithoutALeadingNumber) {
    EXPECT_EQ(val(""), 0);
    EXPECT_EQ(val("abc"), 0);
    EXPECT_EQ(val("."), 0);
    EXPECT_EQ(val("-"), 0);
    EXPECT_EQ(val("inf"), 0);
    EXPECT_EQ(val("nan"), 0);
}

TEST(Val, OnlyThePointIsADecimalSeparator) {
    EXPECT_EQ(val("3,5"), 3);
    EXPECT_EQ(val("0.7536"), 0.7536);
}

} // namespace
} // namespace velnorit
