// Free-hand pen, eraser, marker and the colour boxes, driven by mouse events
// on the graph of the real window.
#include "tools_window.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>

#include <string>
#include <vector>

namespace velnorit {
namespace {

using testing::RecordedOp;
using testing::ToolsWindow;
using view::OpKind;
using view::rgb;

constexpr view::RgbValue kStartPen = rgb(0, 0, 255);
constexpr view::RgbValue kGraphBack = rgb(228, 228, 228);

class BlackboardTools : public ToolsWindow {
protected:
    QPoint near(double dx, double dy) const { return pixelAt(6 + dx, target() + dy); }

    void expectPoint(const RecordedOp& o, QPoint first, QPoint second) const {
        EXPECT_FLOAT_EQ(o.op.x1, eventX(first));
        EXPECT_FLOAT_EQ(o.op.y1, eventY(first));
        EXPECT_FLOAT_EQ(o.op.x2, eventX(second));
        EXPECT_FLOAT_EQ(o.op.y2, eventY(second));
    }

    void clickColourBox(int index) {
        view::DrawingSurface* box = c().Picture2[static_cast<std::size_t>(index)];
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    }
};

TEST_F(BlackboardTools, APenClickLeavesOneDotOfWidthTwo) {
    const std::size_t before = opCount();
    const QPoint at = near(0, 0.05);
    press(at);
    release(at);

    const std::vector<RecordedOp> ops = opsSince(before);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].op.kind, OpKind::Dot);
    EXPECT_EQ(ops[0].op.width, 2);
    EXPECT_EQ(ops[0].op.color, kStartPen);
    EXPECT_FLOAT_EQ(ops[0].op.x1, eventX(at));
    EXPECT_FLOAT_EQ(ops[0].op.y1, eventY(at));
    EXPECT_EQ(graph().drawWidth(), 1);
    EXPECT_EQ(state().buttonDown, false);
}

// A dot at the press, then from each move's point back to the previous one.
TEST_F(BlackboardTools, APenStrokeIsADotFollowedBySegmentsOfWidthThree) {
    const std::size_t before = opCount();
    const QPoint p0 = near(0, 0), p1 = near(0.8, 0.02), p2 = near(1.7, -0.03);
    press(p0);
    EXPECT_EQ(state().buttonDown, true);
    move(p1);
    move(p2);
    release(p2);

    const std::vector<RecordedOp> ops = opsSince(before);
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0].op.kind, OpKind::Dot);
    EXPECT_EQ(ops[0].op.width, 2);
    for (int i : {1, 2}) {
        EXPECT_EQ(ops[i].op.kind, OpKind::Line);
        EXPECT_EQ(ops[i].op.width, 3);
        EXPECT_EQ(ops[i].op.color, kStartPen);
    }
    expectPoint(ops[1], p1, p0);
    expectPoint(ops[2], p2, p1);
    EXPECT_EQ(graph().drawWidth(), 1);

    // Without a held button the pen only moves.
    move(near(2.5, 0));
    EXPECT_EQ(opCount(), before + 3);
}

TEST_F(BlackboardTools, TheRightButtonDrawsLikeTheLeft) {
    const std::size_t before = opCount();
    const QPoint p0 = near(0, 0), p1 = near(1, 0.02);
    press(p0, Qt::RightButton);
    move(p1);
    release(p1, Qt::RightButton);

    const std::vector<RecordedOp> ops = opsSince(before);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].op.kind, OpKind::Dot);
    EXPECT_EQ(ops[1].op.kind, OpKind::Line);
    expectPoint(ops[1], p1, p0);
}

TEST_F(BlackboardTools, AColourBoxBecomesThePenColour) {
    clickColourBox(2);
    EXPECT_EQ(c().Picture2[4]->backColor(), rgb(255, 255, 0));
    clickColourBox(3);
    EXPECT_EQ(c().Picture2[4]->backColor(), rgb(235, 0, 0)); // as start-up set it
    clickColourBox(4);
    EXPECT_EQ(c().Picture2[4]->backColor(), rgb(235, 0, 0));

    const std::size_t before = opCount();
    press(near(0, 0));
    move(near(1, 0));
    release(near(1, 0));
    const std::vector<RecordedOp> ops = opsSince(before);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].op.color, rgb(235, 0, 0));
    EXPECT_EQ(ops[1].op.color, rgb(235, 0, 0));
}

// The square stands centred across the pointer with its lower edge at the
// pointer, and erasing fills exactly the square in the graph's background.
TEST_F(BlackboardTools, AnEraserClickErasesOneSquareUnderThePointer) {
    clickColourBox(2); // the pen colour plays no part in erasing
    chooseTool(3);
    EXPECT_FALSE(c().Shape1->isVisible()); // shown by the pointer, not by the choice
    EXPECT_EQ(graph().mousePointer(), view::kSquarePointer);

    const std::size_t before = opCount();
    const QPoint at = near(0, 0.05);
    press(at);
    release(at);

    const view::SurfaceRectangle& square = *c().Shape1;
    EXPECT_TRUE(square.isVisible());
    const float w = square.width(), h = square.height();
    EXPECT_GT(w, 0);
    EXPECT_GT(h, 0);
    EXPECT_NEAR(square.left(), eventX(at) - w / 2, 1e-3);
    EXPECT_NEAR(square.top(), eventY(at) + h, 1e-5);

    const std::vector<RecordedOp> ops = opsSince(before);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].op.kind, OpKind::FilledBox);
    EXPECT_EQ(ops[0].op.color, kGraphBack);
    EXPECT_FLOAT_EQ(ops[0].op.x1, square.left());
    EXPECT_FLOAT_EQ(ops[0].op.y1, square.top());
    EXPECT_NEAR(ops[0].op.x2, eventX(at) + w / 2, 1e-3);
    EXPECT_NEAR(ops[0].op.y2, eventY(at), 1e-5);
}

TEST_F(BlackboardTools, TheEraserSquareFollowsThePointerAndErasesOnlyWithAButtonHeld) {
    chooseTool(3);
    const std::size_t before = opCount();
    const QPoint a = near(1, 0), b = near(2, 0.04);
    move(a);
    EXPECT_TRUE(c().Shape1->isVisible());
    EXPECT_NEAR(c().Shape1->left(), eventX(a) - c().Shape1->width() / 2, 1e-3);
    move(b);
    EXPECT_NEAR(c().Shape1->top(), eventY(b) + c().Shape1->height(), 1e-5);
    EXPECT_EQ(opCount(), before);

    const QPoint d = near(3, -0.02);
    press(a);
    move(b);
    move(d);
    release(d);
    const std::vector<RecordedOp> ops = opsSince(before);
    ASSERT_EQ(ops.size(), 3u); // the press and each move
    for (const RecordedOp& o : ops) {
        EXPECT_EQ(o.op.kind, OpKind::FilledBox);
        EXPECT_EQ(o.op.color, kGraphBack);
    }
    EXPECT_NEAR(ops[2].op.x1, eventX(d) - c().Shape1->width() / 2, 1e-3);
    EXPECT_NEAR(ops[2].op.y2, eventY(d), 1e-5);

    // After the release moving erases nothing more.
    move(near(4, 0));
    EXPECT_EQ(opCount(), before + 3);
}

TEST_F(BlackboardTools, ChoosingAToolSetsTheCursorAndHidesTheEraserSquare) {
    chooseTool(3);
    move(near(1, 0));
    ASSERT_TRUE(c().Shape1->isVisible());
    chooseTool(0);
    EXPECT_EQ(graph().mousePointer(), view::kCrossPointer);
    EXPECT_FALSE(c().Shape1->isVisible());
    chooseTool(2);
    EXPECT_EQ(graph().mousePointer(), view::kSquarePointer);
    chooseTool(3);
    graph().setMousePointer(view::kCrossPointer);
    move(near(1, 0)); // the eraser brings its cursor back
    EXPECT_EQ(graph().mousePointer(), view::kSquarePointer);
    chooseTool(1);
    EXPECT_EQ(graph().mousePointer(), view::kSquarePointer);
    EXPECT_FALSE(c().Shape1->isVisible());
}

// The text's top-left corner 0.75 left of the pointer and yScale/1150 above.
TEST_F(BlackboardTools, TheMarkerPrintsItsTextLargeInThePenColour) {
    chooseTool(2);
    c().Text3->clear();
    QTest::keyClicks(c().Text3, QStringLiteral("Ä1"));
    EXPECT_EQ(state().markText, "Ä1");

    const std::size_t before = opCount();
    const QPoint at = near(0, 0);
    press(at);
    release(at);

    const std::vector<RecordedOp> ops = opsSince(before);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].op.kind, OpKind::Text);
    EXPECT_EQ(ops[0].text, "Ä1");
    EXPECT_EQ(ops[0].op.fontSize, 53);
    EXPECT_EQ(ops[0].op.color, kStartPen);
    EXPECT_FLOAT_EQ(ops[0].op.x1, static_cast<float>(eventX(at) - 0.75));
    EXPECT_FLOAT_EQ(ops[0].op.y1, static_cast<float>(eventY(at) + yScale() / 1150));
    EXPECT_EQ(graph().fontSize(), 10);
    EXPECT_EQ(graph().foreColor(), rgb(0, 0, 0));
}

TEST_F(BlackboardTools, AMarkerWithAnEmptyTextDrawsNothingVisible) {
    chooseTool(2);
    c().Text3->clear();
    EXPECT_EQ(state().markText, "");

    const std::size_t before = opCount();
    const QPoint at = near(0, 0);
    press(at);
    release(at);
    EXPECT_EQ(opCount(), before);
    // The empty line was printed: the pen went back to the left edge.
    EXPECT_FLOAT_EQ(graph().currentX(), graph().scaleLeft());
    EXPECT_EQ(graph().fontSize(), 10);
    EXPECT_EQ(graph().foreColor(), rgb(0, 0, 0));
}

// At 16 screen widths the graph cannot be repainted whole for every
// segment: a segment and the moved readout repaint only their surroundings.
TEST_F(BlackboardTools, ASegmentRepaintsOnlyTheAreaItTouched) {
    struct PaintSpy : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } spy;
    const QPoint p0 = near(0, 0), p1 = near(1, 0.02);
    press(p0);
    move(p1);
    QApplication::processEvents();
    graph().installEventFilter(&spy);

    const QPoint p2 = near(2, 0.04);
    move(p2);
    QApplication::processEvents();
    graph().removeEventFilter(&spy);
    release(p2);

    ASSERT_FALSE(spy.painted.isEmpty());
    const QRect touched = QRect(p1, p2).normalized().united(c().Text6->geometry()).adjusted(-200, -200, 200, 200);
    EXPECT_TRUE(touched.contains(spy.painted.boundingRect())) << "painted " << spy.painted.boundingRect().width()
                                                              << " x " << spy.painted.boundingRect().height();
}

TEST_F(BlackboardTools, WhatTheToolsDrewStaysUntilTheGraphIsCleared) {
    const std::size_t plot = opCount();
    ASSERT_GT(plot, 1000u);
    press(near(0, 0));
    move(near(1, 0));
    release(near(1, 0));
    EXPECT_EQ(opCount(), plot + 2);
    form().cmdZeichnen_Click();
    EXPECT_EQ(opCount(), plot);
}

} // namespace
} // namespace velnorit
