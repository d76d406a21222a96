// The slope line: rubber band, the line for good, the box and the label
// " m = ..." at the release point.
#include "tools_window.h"

#include <cmath>
#include <string>
#include <vector>

namespace velnorit {
namespace {

using testing::RecordedOp;
using testing::ToolsWindow;
using view::OpKind;
using view::rgb;

constexpr view::RgbValue kStartPen = rgb(0, 0, 255);

class SlopeTool : public ToolsWindow {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(chooseTool(0)); }

    // A drag from (x0, y0) to (x1, y1) in exact single-precision coordinates,
    // through the graph's handlers; returns what it drew.
    std::vector<RecordedOp> drag(float x0, float y0, float x1, float y1) {
        const std::size_t before = opCount();
        tools().picGraph_MouseDown(Qt::LeftButton, {}, x0, y0);
        tools().picGraph_MouseMove(Qt::LeftButton, {}, (x0 + x1) / 2, (y0 + y1) / 2);
        tools().picGraph_MouseUp(Qt::LeftButton, {}, x1, y1);
        return opsSince(before);
    }

    // The label of a drag, or "(none)" when it has none.
    std::string labelOf(float x0, float y0, float x1, float y1) {
        for (const RecordedOp& o : drag(x0, y0, x1, y1))
            if (o.op.kind == OpKind::Text) return o.text;
        return "(none)";
    }

    void expectTextSettingsRestored() const {
        EXPECT_EQ(graph().fontSize(), 10);
        EXPECT_EQ(graph().foreColor(), rgb(0, 0, 0));
        expectPenRestored();
    }

    void expectPenRestored() const {
        EXPECT_EQ(graph().drawWidth(), 1);
        EXPECT_FALSE(c().Line5->isVisible());
    }
};

// Draws the line, a box 7 denominators wide above the release point, and the
// label just under the box's top.
TEST_F(SlopeTool, DrawsLineBoxAndLabelAtTheReleasePoint) {
    const double ys = yScale();
    const std::vector<RecordedOp> ops = drag(12.0f, 1.0f, 15.0f, 2.0f);
    ASSERT_EQ(ops.size(), 3u);

    EXPECT_EQ(ops[0].op.kind, OpKind::Line);
    EXPECT_EQ(ops[0].op.width, 2);
    EXPECT_EQ(ops[0].op.color, kStartPen);
    EXPECT_EQ(ops[0].op.x1, 12.0f);
    EXPECT_EQ(ops[0].op.y1, 1.0f);
    EXPECT_EQ(ops[0].op.x2, 15.0f);
    EXPECT_EQ(ops[0].op.y2, 2.0f);

    EXPECT_EQ(ops[1].op.kind, OpKind::Box);
    EXPECT_EQ(ops[1].op.width, 1);
    EXPECT_EQ(ops[1].op.color, kStartPen);
    EXPECT_EQ(ops[1].op.x1, 15.0f);
    EXPECT_EQ(ops[1].op.y1, static_cast<float>(2.0 + ys / 4200));
    EXPECT_EQ(ops[1].op.x2, 22.0f);
    EXPECT_EQ(ops[1].op.y2, static_cast<float>(2.0 + ys / 900));

    EXPECT_EQ(ops[2].op.kind, OpKind::Text);
    EXPECT_EQ(ops[2].text, " m =  .3333333");
    EXPECT_EQ(ops[2].op.color, rgb(0, 0, 220));
    EXPECT_EQ(ops[2].op.fontSize, 14);
    EXPECT_EQ(ops[2].op.x1, 15.0f);
    EXPECT_EQ(ops[2].op.y1, static_cast<float>(2.0 + ys / 1000));

    expectTextSettingsRestored();
    EXPECT_EQ(state().buttonDown, false);
}

TEST_F(SlopeTool, CutsTheSlopeToSevenDecimalsTowardsMinusInfinity) {
    EXPECT_EQ(labelOf(12.0f, 1.0f, 15.0f, 2.0f), " m =  .3333333");
    EXPECT_EQ(labelOf(12.0f, 2.0f, 15.0f, 1.0f), " m = -.3333334");
    EXPECT_EQ(labelOf(12.0f, 1.0f, 14.0f, 4.0f), " m =  1.5");
    EXPECT_EQ(labelOf(12.0f, 1.0f, 20.0f, 0.0f), " m = -.125");
}

TEST_F(SlopeTool, AHorizontalLineReadsMEqualsZero) {
    EXPECT_EQ(labelOf(12.5f, 1.1f, 30.25f, 1.1f), " m = 0");
    EXPECT_EQ(labelOf(30.25f, 1.1f, 12.5f, 1.1f), " m = 0");
}

// Both denominators are cut to whole numbers before the difference.
TEST_F(SlopeTool, CountsFrom12Point9To13Point1AsOneDenominator) {
    EXPECT_EQ(labelOf(12.9f, 1.0f, 13.1f, 1.25f), " m =  .25");
}

TEST_F(SlopeTool, EndsWithinOneWholeDenominatorGetNoLabel) {
    const float fontSize = graph().fontSize();
    const std::vector<RecordedOp> ops = drag(12.2f, 0.8f, 12.9f, 1.4f);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].op.kind, OpKind::Line);
    EXPECT_EQ(ops[0].op.width, 2);
    expectPenRestored();
    EXPECT_EQ(graph().fontSize(), fontSize); // no label, no text settings touched
}

TEST_F(SlopeTool, AReleaseAtThePressPointDrawsALineOfLengthZero) {
    const std::vector<RecordedOp> ops = drag(14.5f, 1.2f, 14.5f, 1.2f);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].op.kind, OpKind::Line);
    EXPECT_EQ(ops[0].op.width, 2);
    EXPECT_EQ(ops[0].op.x1, ops[0].op.x2);
    EXPECT_EQ(ops[0].op.y1, ops[0].op.y2);
}

TEST_F(SlopeTool, RightToLeftGivesTheSameSlopeAsLeftToRight) {
    const float x0 = 12.3f, y0 = 1.1f, x1 = 15.7f, y1 = 1.2f;
    const std::string forwards = labelOf(x0, y0, x1, y1);
    ASSERT_NE(forwards, "(none)");
    EXPECT_EQ(labelOf(x1, y1, x0, y0), forwards);
    EXPECT_EQ(labelOf(15.0f, 2.0f, 12.0f, 1.0f), " m =  .3333333");
}

// The quotient is a single: (1.51 - 1) / 3 in singles is 0.17000000179,
// while the same coordinates divided as doubles give 0.16999999682.
TEST_F(SlopeTool, ComputesTheSlopeInSinglePrecision) {
    const float y0 = 1.0f, y1 = 1.51f;
    const double inDoubles = (static_cast<double>(y1) - y0) / 3;
    ASSERT_EQ(std::floor(inDoubles * 10000000) / 10000000, 0.1699999);
    EXPECT_EQ(labelOf(12.0f, y0, 15.0f, y1), " m =  .17");
}

TEST_F(SlopeTool, TheRubberBandFollowsThePointerWhileTheButtonIsHeld) {
    const QPoint start = pixelAt(12.3, target());
    const QPoint end = pixelAt(16.6, target() + 0.1);
    press(start);
    const view::SurfaceLine& band = *c().Line5;
    EXPECT_TRUE(band.isVisible());
    EXPECT_EQ(band.borderColor(), kStartPen);
    EXPECT_NEAR(band.x1(), eventX(start), 1e-3);
    EXPECT_NEAR(band.x2(), eventX(start), 1e-3);
    EXPECT_NEAR(band.y2(), eventY(start), 1e-5);

    const std::size_t before = opCount();
    move(end);
    EXPECT_NEAR(band.x2(), eventX(end), 1e-3);
    EXPECT_NEAR(band.y2(), eventY(end), 1e-5);
    EXPECT_NEAR(band.x1(), eventX(start), 1e-3);
    EXPECT_EQ(opCount(), before); // nothing drawn for good before the release

    release(end);
    const std::vector<RecordedOp> ops = opsSince(before);
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0].op.x1, eventX(start));
    EXPECT_EQ(ops[0].op.y1, eventY(start));
    EXPECT_EQ(ops[0].op.x2, eventX(end));
    EXPECT_EQ(ops[0].op.y2, eventY(end));
    EXPECT_EQ(ops[2].text.substr(0, 5), " m = ");
    EXPECT_EQ(ops[2].op.x1, eventX(end));
    expectTextSettingsRestored();

    // Without a held button the band stays hidden and nothing is drawn.
    move(pixelAt(18, target()));
    EXPECT_FALSE(band.isVisible());
    EXPECT_EQ(opCount(), before + 3);
}

} // namespace
} // namespace velnorit
