// The field beside the pointer and the accuracy box, driven by mouse events
// on the graph of the real window.
#include "tools_window.h"

#include "core/result_list.h"
#include "../support/target_controls.h"

#include <QTest>

#include <cmath>
#include <string>

namespace velnorit {
namespace {

using testing::ToolsWindow;

const QColor kUpperGrey(140, 140, 140);
const QColor kLowerRed(240, 10, 10);

class PointerReadout : public ToolsWindow {
protected:
    std::string field() const { return c().Text6->crLfText(); }
    std::string accuracy() const { return c().Text2->crLfText(); }
    QColor fieldColour() const { return c().Text6->palette().color(QPalette::Base); }
    bool fieldShown() const { return !c().Text6->isHidden(); }
    float fieldLeft() const { return graph().childLeft(c().Text6); }
    float fieldTop() const { return graph().childTop(c().Text6); }

    void moveTo(float x, float y) { tools().picGraph_MouseMove(Qt::NoButton, {}, x, y); }
};

// Start-up target sqrt(5)/2, whose Str form is " 1.11803398874989".
TEST_F(PointerReadout, ShowsTheWorkedExamplesCharacterByCharacter) {
    ASSERT_EQ(c().vscWurzel->value(), 5);
    const double t = target();
    const double ys = yScale();

    const QPoint below = pixelAt(9.4, t - 0.1);
    move(below);
    EXPECT_EQ(field(), " 10 / 9 =\r\n 1.11111111111111\r\nZiel:\r\n 1.11803398874989\r\nGen.: 1/ 144    5");
    EXPECT_EQ(accuracy(), " 1/ 144");
    EXPECT_EQ(fieldColour(), kLowerRed);
    EXPECT_EQ(c().Text6->palette().color(QPalette::Window), kLowerRed);
    EXPECT_TRUE(c().Text6->isVisible());
    // Half a denominator right of the pointer, 0.0009 * yScale below it.
    EXPECT_NEAR(fieldLeft(), eventX(below) + 0.5, 1e-3);
    EXPECT_NEAR(fieldTop(), eventY(below) - 0.0009 * ys, 1e-5);

    const QPoint above = pixelAt(9.4, t + 0.1);
    move(above);
    EXPECT_EQ(field(), " 11 / 9 =\r\n 1.22222222222222\r\nZiel:\r\n 1.11803398874989\r\nGen.: 1/ 9   -79");
    EXPECT_EQ(accuracy(), " 1/ 9");
    EXPECT_EQ(fieldColour(), kUpperGrey);
    EXPECT_NEAR(fieldTop(), eventY(above) - 0.0009 * ys, 1e-5);

    move(pixelAt(1.7, t - 0.05));
    EXPECT_EQ(field(), " 1 / 1 =\r\n 1\r\nZiel:\r\n 1.11803398874989\r\nGen.: 1/ 8    1");
    EXPECT_EQ(accuracy(), " 1/ 8");
    EXPECT_EQ(fieldColour(), kLowerRed);
}

// The accuracy is floor(1/d) of the exact distance, as in the list: the
// Doubles' difference 6119/5473 - target would give 267914293.
TEST_F(PointerReadout, ShowsTheExactAccuracyOfALargeRecord) {
    moveTo(5473.5F, static_cast<float>(target() - 1e-6));
    EXPECT_EQ(accuracy(), " 1/ 267914296");
    EXPECT_EQ(field().substr(0, 13), " 6119 / 5473 ");
    EXPECT_NE(resultListFor(testing::targetControls(5, 0, 2, false)).find("6119/ 5473       1/ 267914296"),
              std::string::npos);
}

TEST_F(PointerReadout, ReadsTheWholeDenominatorBelowThePointer) {
    const double t = target();
    moveTo(9.99f, static_cast<float>(t - 0.1));
    EXPECT_EQ(field().substr(0, 10), " 10 / 9 =\r");
    moveTo(10.0f, static_cast<float>(t - 0.1));
    EXPECT_EQ(field().substr(0, 11), " 11 / 10 =\r"); // floor(10 * 1.118...) = 11
}

// Only a target that a Single can hold can be met exactly: 1.5 from
// Wurzel 0, Abs 3, Nenner 2.
TEST_F(PointerReadout, APointerExactlyAtTargetReadsTheLowerSide) {
    setParameters(0, 3, 2);
    ASSERT_EQ(target(), 1.5);

    moveTo(9.4f, 1.5f);
    EXPECT_EQ(field().substr(0, 10), " 13 / 9 =\r");
    EXPECT_EQ(fieldColour(), kLowerRed);

    moveTo(9.4f, std::nextafter(1.5f, 2.0f));
    EXPECT_EQ(field().substr(0, 10), " 14 / 9 =\r");
    EXPECT_EQ(fieldColour(), kUpperGrey);
}

TEST_F(PointerReadout, ReadsUpToDenominator10000AndNoFurther) {
    const float y = static_cast<float>(target() - 0.01);
    moveTo(10000.0f, y);
    // floor(10000 * sqrt(5)/2) = 11180; k = 5 * 10^8 - 22360^2 = 30400.
    EXPECT_EQ(field().substr(0, 16), " 11180 / 10000 =");
    EXPECT_EQ(field().substr(field().size() - 6), " 30400");
    EXPECT_NEAR(fieldLeft(), 10000.5f, 1e-2);

    const std::string shown = field();
    const std::string shownAccuracy = accuracy();
    const float left = fieldLeft();
    const float top = fieldTop();
    moveTo(std::nextafter(10000.0f, 20000.0f), static_cast<float>(target() + 0.01));
    EXPECT_EQ(field(), shown);
    EXPECT_EQ(accuracy(), shownAccuracy);
    EXPECT_EQ(fieldColour(), kLowerRed);
    EXPECT_FLOAT_EQ(fieldLeft(), left);
    EXPECT_FLOAT_EQ(fieldTop(), top);

    // Outside the range a hidden field stays hidden.
    tools().hideReadout();
    moveTo(10001.0f, y);
    EXPECT_FALSE(fieldShown());
}

TEST_F(PointerReadout, LeavesTheFieldAloneAtAndBeforeTheFirstDenominator) {
    ASSERT_EQ(state().nStart, 1.0);
    const float y = static_cast<float>(target() - 0.01);
    moveTo(5.5f, y);
    const std::string shown = field();
    const float left = fieldLeft();

    moveTo(1.0f, static_cast<float>(target() + 0.01)); // x = nStart is not after it
    EXPECT_EQ(field(), shown);
    EXPECT_FLOAT_EQ(fieldLeft(), left);
    EXPECT_EQ(fieldColour(), kLowerRed);
    moveTo(0.5f, y);
    EXPECT_EQ(field(), shown);

    moveTo(1.001f, y); // just after it: denominator 1
    EXPECT_EQ(field().substr(0, 8), " 1 / 1 =");
}

// Wurzel 4 makes target the integer 1: every fraction agrees with it to
// the last digit, the field stays visible but empty and so does Text2.
TEST_F(PointerReadout, ARationalTargetLeavesTheFieldVisibleAndEmpty) {
    move(pixelAt(9.4, target() - 0.1));
    ASSERT_FALSE(field().empty());
    setParameters(4, 0, 2);
    ASSERT_EQ(target(), 1.0);

    move(pixelAt(9.4, 1.0 + 0.1));
    EXPECT_EQ(field(), "");
    EXPECT_EQ(accuracy(), "");
    EXPECT_TRUE(fieldShown());
    EXPECT_EQ(fieldColour(), kUpperGrey);
}

// A parameter change sets target at once; the numerators follow at the next
// redraw. Until then the readout combines the old numerators with the new
// target and parameters.
TEST_F(PointerReadout, CombinesTheLastDrawnNumeratorsWithANewTargetUntilTheNextRedraw) {
    c().vscWurzel->setValue(4); // target 1, no redraw
    ASSERT_EQ(target(), 1.0);
    moveTo(9.4f, 0.9f);
    // p = floor(9 * sqrt(5)/2) = 10 from the last drawing; k = 4*81 - 20^2.
    EXPECT_EQ(field(), " 10 / 9 =\r\n 1.11111111111111\r\nZiel:\r\n 1\r\nGen.: 1/ 9   -76");
}

TEST_F(PointerReadout, ThePellTermFollowsTheSignOptions) {
    QTest::mouseClick(c().Option1[1], Qt::LeftButton, {}, QPoint(6, c().Option1[1]->height() / 2));
    ASSERT_TRUE(c().Option1[1]->isChecked());
    setParameters(5, 1, 2); // target (sqrt(5) - 1)/2 = 0.618...
    moveTo(9.4f, static_cast<float>(target() - 0.01));
    // p = floor(9 * 0.618) = 5; k = 5*81 - (2*5 + 1*9)^2 = 405 - 361.
    EXPECT_EQ(field().substr(0, 8), " 5 / 9 =");
    EXPECT_EQ(field().substr(field().size() - 17), "Gen.: 1/ 16    44");
}

TEST_F(PointerReadout, HoldingAButtonWhileDrawingStillUpdatesTheField) {
    const double t = target();
    press(pixelAt(5.5, t - 0.05));
    move(pixelAt(9.4, t - 0.1));
    EXPECT_EQ(field().substr(0, 9), " 10 / 9 =");
    move(pixelAt(9.4, t + 0.1));
    EXPECT_EQ(field().substr(0, 9), " 11 / 9 =");
    release(pixelAt(9.4, t + 0.1));
}

// Moving onto the legend or the list hides the field; moving onto the
// horizontal bar or the tool frame leaves it as it is.
TEST_F(PointerReadout, HidesOnlyOverTheWatchedControls) {
    const QPoint onGraph = pixelAt(9.4, target() - 0.1);
    const auto showField = [&] {
        move(onGraph);
        ASSERT_TRUE(c().Text6->isVisible());
    };

    ASSERT_NO_FATAL_FAILURE(showField());
    const QWidget* legend = c().picLegende;
    ASSERT_NO_FATAL_FAILURE(pointerOnto(c().picLegende, QPoint(legend->width() / 2, legend->height() * 85 / 97)));
    EXPECT_FALSE(fieldShown());

    ASSERT_NO_FATAL_FAILURE(showField());
    QWidget* list = c().Text5->viewport();
    ASSERT_NO_FATAL_FAILURE(pointerOnto(list, list->rect().center()));
    EXPECT_FALSE(fieldShown());

    ASSERT_NO_FATAL_FAILURE(showField());
    const std::string shown = field();
    ASSERT_NO_FATAL_FAILURE(pointerOnto(c().hscn, c().hscn->rect().center()));
    EXPECT_TRUE(fieldShown());
    QGroupBox* frame = c().Frame3;
    ASSERT_NO_FATAL_FAILURE(pointerOnto(frame, QPoint(frame->width() - 8, frame->height() - 8)));
    EXPECT_TRUE(fieldShown());
    EXPECT_EQ(field(), shown);
}

} // namespace
} // namespace velnorit
