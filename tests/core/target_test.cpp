#include "core/runtime_error.h"
#include "core/target.h"
#include "../support/target_controls.h"

#include <gtest/gtest.h>

#include <memory>

namespace velnorit {
namespace {

using testing::targetControls;

class ComputeTarget : public ::testing::Test {
protected:
    std::unique_ptr<WindowState> state = std::make_unique<WindowState>();
};

TEST_F(ComputeTarget, GivesTheStartValueAndTheSign) {
    EXPECT_FALSE(state->target.has_value());
    computeTarget(*state, targetControls(5, 0, 2));
    EXPECT_EQ(state->sign, 1);
    ASSERT_TRUE(state->target.has_value());
    EXPECT_NEAR(*state->target, 1.118033988749895, 1e-15);
}

TEST_F(ComputeTarget, CoversNegativeIntegralAndExtremeTargets) {
    computeTarget(*state, targetControls(5, 3, 2, true));
    EXPECT_EQ(state->sign, -1);
    EXPECT_NEAR(*state->target, -0.3819660112501051, 1e-16);

    computeTarget(*state, targetControls(0, 3, 1));
    EXPECT_EQ(*state->target, 3.0);
    computeTarget(*state, targetControls(0, 0, 7));
    EXPECT_EQ(*state->target, 0.0);
    computeTarget(*state, targetControls(0, 99, 1, true));
    EXPECT_EQ(*state->target, -99.0);
    computeTarget(*state, targetControls(99, 99, 1));
    EXPECT_NEAR(*state->target, 108.94987437106620, 1e-12);
}

TEST_F(ComputeTarget, KeepsTheSignWhenNeitherOptionIsSelected) {
    computeTarget(*state, targetControls(4, 1, 1, true));
    TargetControls neither = targetControls(4, 1, 1);
    neither.plusSelected = false;
    computeTarget(*state, neither);
    EXPECT_EQ(state->sign, -1);
    EXPECT_EQ(*state->target, 1.0); // (2 - 1) / 1
}

TEST_F(ComputeTarget, AnErrorLeavesTheTargetAsItWas) {
    computeTarget(*state, targetControls(5, 0, 2));
    const double before = *state->target;

    // -1 * -32768 leaves the 16-bit range; sign was already changed.
    try {
        computeTarget(*state, targetControls(5, -32768, 2, true));
        FAIL() << "no overflow";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 6);
    }
    EXPECT_EQ(state->sign, -1);
    EXPECT_EQ(*state->target, before);

    try {
        computeTarget(*state, targetControls(5, 0, 0));
        FAIL() << "no division error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 11);
    }
    EXPECT_EQ(*state->target, before);
}

TEST(OptionSign, MinusWinsAndNeitherGivesZero) {
    EXPECT_EQ(optionSign(true, false), 1);
    EXPECT_EQ(optionSign(false, true), -1);
    EXPECT_EQ(optionSign(true, true), -1);
    EXPECT_EQ(optionSign(false, false), 0);
}

} // namespace
} // namespace velnorit
