#include "core/integer_rules.h"
#include "core/runtime_error.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace velnorit {
namespace {

int errorNumberOf(void (*operation)()) {
    try {
        operation();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

TEST(IntPart, RoundsTowardsMinusInfinityAndKeepsTheKind) {
    EXPECT_EQ(intPart(2.7), 2.0);
    EXPECT_EQ(intPart(-2.3), -3.0);
    EXPECT_EQ(intPart(-0.5), -1.0);
    EXPECT_EQ(intPart(-3.59), -4.0);
    static_assert(std::is_same_v<decltype(intPart(1.5f)), float>);
    static_assert(std::is_same_v<decltype(intPart(1.5)), double>);
}

TEST(IntegerArithmetic, TypedOperandsOverflowWhileAVariantSumWidens) {
    EXPECT_EQ(integerAdd(32766, 1), 32767);
    EXPECT_EQ(errorNumberOf([] { integerAdd(32767, 1); }), 6);
    EXPECT_EQ(variantIntegerSum(32767, 1), 32768);
    EXPECT_EQ(integerMultiply(19, 500), 9500);
    EXPECT_EQ(integerMultiply(750, -2), -1500);
    EXPECT_EQ(errorNumberOf([] { integerMultiply(66, 500); }), 6);
    EXPECT_EQ(errorNumberOf([] { integerMultiply(-1, -32768); }), 6);
}

TEST(ToLong, RoundsHalvesToEvenAndChecksTheRange) {
    EXPECT_EQ(toLong(2.5), 2);
    EXPECT_EQ(toLong(3.5), 4);
    EXPECT_EQ(toLong(-2.5), -2);
    EXPECT_EQ(toLong(-1099999.0), -1099999);
    EXPECT_EQ(toLong(2147483647.0), 2147483647);
    EXPECT_EQ(errorNumberOf([] { toLong(2147483648.0); }), 6);
    EXPECT_EQ(errorNumberOf([] { toLong(-3e9); }), 6);
}

TEST(DoubleChecks, RaiseTheErrorOfEachFault) {
    EXPECT_EQ(checkedDivide(1, 4), 0.25);
    EXPECT_EQ(errorNumberOf([] { checkedDivide(1, 0); }), 11);
    EXPECT_EQ(errorNumberOf([] { checkedDivide(0, 0); }), 6);
    EXPECT_EQ(errorNumberOf([] { checkedMultiply(1e300, 1e300); }), 6);
    EXPECT_EQ(errorNumberOf([] { checkedPower(1.4, 5000); }), 6);
    EXPECT_EQ(errorNumberOf([] { checkedSquareRoot(-1); }), 5);
    EXPECT_EQ(checkedSquareRoot(0), 0.0);
}

TEST(RuntimeError, CarriesItsGermanMessage) {
    EXPECT_STREQ(RuntimeError::overflow().what(), "Überlauf");
    EXPECT_EQ(RuntimeError::divisionByZero().message(), "Division durch Null");
    EXPECT_EQ(RuntimeError::subscriptOutOfRange().number(), 9);
}

} // namespace
} // namespace velnorit
