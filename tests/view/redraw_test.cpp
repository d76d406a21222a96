#include "../support/graph_harness.h"

#include "core/number_format.h"
#include "core/result_list.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace velnorit {
namespace {

using namespace velnorit::view;
using testing::GraphHarness;

constexpr RgbValue kRed = rgb(250, 0, 0);
constexpr RgbValue kDark = rgb(30, 30, 30);
constexpr RgbValue kBlue = rgb(5, 0, 195);
constexpr RgbValue kLavender = rgb(185, 185, 235);
constexpr RgbValue kWhitish = rgb(245, 245, 245);

struct Op {
    DrawOp op;
    std::string text;
};

std::vector<Op> opsOf(const DrawingSurface& surface) {
    std::vector<Op> ops;
    const RetainedDrawing& drawing = surface.drawing();
    for (std::size_t i = 0; i < drawing.size(); ++i) ops.push_back({drawing[i], std::string(drawing.text(i))});
    return ops;
}

// The operations drawn for denominator n: those whose first x lies in [n, n+1).
std::vector<Op> opsOfDenominator(const std::vector<Op>& ops, int n) {
    std::vector<Op> result;
    for (const Op& o : ops)
        if (o.op.x1 >= n && o.op.x1 < n + 1) result.push_back(o);
    return result;
}

class Redraw : public ::testing::Test {
protected:
    GraphHarness harness;
    double t() { return *harness.state().target; }
    double ys() { return harness.state().yScale; }
};

TEST_F(Redraw, DrawsTheFirstDenominatorOfTheDefaultStart) {
    harness.startUp();
    const std::vector<Op> ops = opsOf(harness.graph());
    const double t = this->t(), ys = this->ys();
    const WindowState& s = harness.state();
    const double lowerClip1 = std::max(1.0, t - ys / 100);
    const double h = (t + 0.008 * ys) + 0.03 * (ys * (t - 1.0));

    ASSERT_GE(ops.size(), 11u);
    // Lower record: filled red bar, red dot of width 2, then the improvement box and the value 1.
    EXPECT_EQ(ops[0].op.kind, OpKind::FilledBox);
    EXPECT_EQ(ops[0].op.color, kRed);
    EXPECT_EQ(ops[0].op.x1, single(1.4));
    EXPECT_EQ(ops[0].op.y1, single(t - 0.0004 * ys));
    EXPECT_EQ(ops[0].op.x2, single(1.8));
    EXPECT_EQ(ops[0].op.y2, single(lowerClip1 - 0.0004 * ys));
    EXPECT_EQ(ops[1].op.kind, OpKind::Circle);
    EXPECT_EQ(ops[1].op.width, 2);
    EXPECT_EQ(ops[1].op.y1, single(t - 0.0077 * ys));
    EXPECT_EQ(ops[1].op.x2, 0.3f);
    EXPECT_EQ(ops[2].op.kind, OpKind::FilledBox);
    EXPECT_EQ(ops[2].op.color, kDark);
    EXPECT_EQ(ops[2].op.x2, single(1.57));
    EXPECT_EQ(ops[3].op.kind, OpKind::Text);
    EXPECT_EQ(ops[3].text, " 1 ");
    EXPECT_EQ(ops[3].op.x1, 1.0f);
    EXPECT_EQ(ops[3].op.y1, single(h));
    EXPECT_EQ(ops[4].op.kind, OpKind::Line);
    EXPECT_EQ(ops[4].op.color, kWhitish);
    EXPECT_EQ(ops[4].op.y1, single(t));
    EXPECT_LT(ops[4].op.y2, single(h)) << "the line ends one text line below the printed value";
    // Upper record: filled dark bar up to the top edge and a dark dot; no improvement.
    EXPECT_EQ(ops[5].op.kind, OpKind::FilledBox);
    EXPECT_EQ(ops[5].op.color, kDark);
    EXPECT_EQ(ops[5].op.y2, single(t + ys / 100)); // 2/1 lies above the view
    EXPECT_EQ(ops[6].op.kind, OpKind::Circle);
    EXPECT_EQ(ops[6].op.y1, single(t - 0.0065 * ys));
    // End of the step: numerators, the blue denominator, the grid line.
    EXPECT_EQ(ops[7].text, " 2");
    EXPECT_EQ(ops[7].op.y1, single(2.0 + 0.0007 * ys));
    EXPECT_EQ(ops[8].text, " 1");
    EXPECT_EQ(ops[8].op.y1, single(1.0 - 0.0005 * ys));
    EXPECT_EQ(ops[9].text, " 1");
    EXPECT_EQ(ops[9].op.color, kBlue);
    EXPECT_EQ(ops[9].op.y1, single(t));
    EXPECT_EQ(ops[10].op.kind, OpKind::Line);
    EXPECT_EQ(ops[10].op.color, kLavender);
    EXPECT_EQ(ops[10].op.y1, single(t - 0.009 * ys));
    EXPECT_EQ(ops[10].op.y2, single(t));
    EXPECT_EQ(*s.n, 10001);
}

TEST_F(Redraw, FillsTheUpperBarsOfTwoToEightAndOutlinesTheLowerOnes) {
    harness.startUp();
    const std::vector<Op> ops = opsOf(harness.graph());
    for (int n = 2; n <= 8; ++n) {
        int filledUpper = 0, outlinedLower = 0, circles = 0;
        for (const Op& o : opsOfDenominator(ops, n)) {
            if (o.op.kind == OpKind::FilledBox && o.op.color == kDark && o.op.x2 == single(n + 0.7)) ++filledUpper;
            if (o.op.kind == OpKind::Box && o.op.color == kRed && o.op.x1 == single(n + 0.4)) ++outlinedLower;
            if (o.op.kind == OpKind::Circle) ++circles;
        }
        EXPECT_EQ(filledUpper, 1) << "n=" << n;
        EXPECT_EQ(outlinedLower, 1) << "n=" << n;
        EXPECT_EQ(circles, 1) << "n=" << n;
    }
}

TEST_F(Redraw, PrintsTheFirstTextsInThePreviousForegroundColour) {
    harness.startUp();
    harness.graph().setForeColor(rgb(0, 0, 255)); // as a drawing tool leaves it
    harness.view().redraw();
    const std::vector<Op> ops = opsOf(harness.graph());
    std::vector<RgbValue> firstStepTexts, secondStepTexts;
    for (const Op& o : opsOfDenominator(ops, 1))
        if (o.op.kind == OpKind::Text) firstStepTexts.push_back(o.op.color);
    for (const Op& o : opsOfDenominator(ops, 2))
        if (o.op.kind == OpKind::Text) secondStepTexts.push_back(o.op.color);
    EXPECT_EQ(firstStepTexts, (std::vector<RgbValue>{rgb(0, 0, 255), rgb(0, 0, 255), rgb(0, 0, 255), kBlue}));
    EXPECT_EQ(secondStepTexts, (std::vector<RgbValue>{0, 0, kBlue}));

    // The pen state left behind.
    const DrawingSurface& g = harness.graph();
    EXPECT_EQ(g.drawWidth(), 1);
    EXPECT_EQ(g.foreColor(), 0u);
    EXPECT_EQ(g.currentX(), 10000.0f);
    EXPECT_EQ(g.currentY(), single(t()));
}

TEST_F(Redraw, DrawsMarksOnlyFromTheFirstVisibleDenominator) {
    harness.startUp();
    harness.controls().vscMassX->setValue(1);
    EXPECT_EQ(harness.controls().Text1[1]->text(), "501");
    EXPECT_EQ(harness.controls().Text1[3]->text(), "1201");
    EXPECT_EQ(*harness.state().nStart, 501);
    EXPECT_EQ(harness.graph().scaleLeft(), single(501 - 5.7));

    const std::vector<Op> ops = opsOf(harness.graph());
    int marksBefore = 0, textsBefore = 0, gridBefore = 0, marksFrom = 0;
    for (const Op& o : ops) {
        const bool mark = o.op.kind == OpKind::Box || o.op.kind == OpKind::FilledBox || o.op.kind == OpKind::Circle;
        if (o.op.x1 < 501) {
            marksBefore += mark;
            textsBefore += o.op.kind == OpKind::Text;
            gridBefore += o.op.kind == OpKind::Line && o.op.color == kLavender;
        } else {
            marksFrom += mark;
        }
    }
    EXPECT_EQ(marksBefore, 0);
    EXPECT_EQ(textsBefore, 3 * 500);
    EXPECT_EQ(gridBefore, 500);
    EXPECT_GT(marksFrom, 2 * 9500);
}

TEST_F(Redraw, LabelsEveryDenominatorUpTo1000AndThenEveryFifth) {
    harness.startUp();
    const std::vector<Op> ops = opsOf(harness.graph());
    auto labelled = [&](int n) {
        for (const Op& o : opsOfDenominator(ops, n))
            if (o.op.kind == OpKind::Text && o.op.color == kBlue) return o.text == strForm(n);
        return false;
    };
    EXPECT_TRUE(labelled(999));
    EXPECT_TRUE(labelled(1000));
    EXPECT_FALSE(labelled(1001));
    EXPECT_FALSE(labelled(1004));
    EXPECT_TRUE(labelled(1005));
    EXPECT_TRUE(labelled(10000));
}

class GermanLocale : public Redraw {
protected:
    QLocale previous;
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void TearDown() override { QLocale::setDefault(previous); }
};

TEST_F(GermanLocale, LabelsTheYAxisWithTheRegionalSeparator) {
    harness.startUp();
    EXPECT_EQ(harness.controls().Text1[2]->text(), "0,7536");
    EXPECT_EQ(harness.controls().Text1[0]->text(), "1,4824");
    EXPECT_EQ(harness.controls().Text1[1]->text(), "1");
    EXPECT_EQ(harness.controls().Text1[3]->text(), "701");

    harness.controls().vscMaßstab->setValue(30);
    EXPECT_DOUBLE_EQ(harness.state().yScale, 0.004131986839916849);
    EXPECT_EQ(harness.controls().Text1[0]->text(), "1,118");
    EXPECT_EQ(harness.controls().Text1[2]->text(), "1,1179");
}

TEST_F(Redraw, PrintsTheLegendBesideItsRows) {
    harness.startUp();
    const std::vector<Op> legend = opsOf(*harness.controls().picLegende);
    const double t = this->t(), ys = this->ys();
    ASSERT_EQ(legend.size(), 5u);
    const std::vector<std::string> texts = {"Nenner =>", "absolut besser", "kleinste ob. Schr.(n)",
                                            "größte unt. Schr.(n)", " 1.11803398874989 "};
    const std::vector<float> xs = {-1.0f, -2.3f, -3.0f, -3.0f, -2.9f};
    const std::vector<float> ys_ = {single(t), single(t - 0.0068 * ys), single(t - 0.0062 * ys),
                                    single(t - 0.0073 * ys), single(t + ys * 0.01 * 0.15)};
    for (std::size_t i = 0; i < legend.size(); ++i) {
        EXPECT_EQ(legend[i].text, texts[i]);
        EXPECT_EQ(legend[i].op.x1, xs[i]);
        EXPECT_EQ(legend[i].op.y1, ys_[i]);
    }
    EXPECT_EQ(harness.controls().picLegende->scaleLeft(), -3.0f);
    EXPECT_EQ(harness.controls().picLegende->scaleWidth(), 4.0f);
}

TEST_F(Redraw, AnIntegralTargetHasFlatOutlinedBarsAfterTheFirstDenominator) {
    harness.startUp();
    harness.controls().vscWurzel->setValue(4);
    harness.controls().vscNenner->setValue(1);
    harness.view().redraw();
    EXPECT_EQ(t(), 2.0);
    const std::vector<Op> ops = opsOf(harness.graph());
    int circles = 0;
    for (const Op& o : ops) {
        if (o.op.kind == OpKind::Circle) ++circles;
        if (o.op.x1 >= 2 && o.op.kind == OpKind::FilledBox) ADD_FAILURE() << "filled bar at x=" << o.op.x1;
    }
    EXPECT_EQ(circles, 2);
    const std::vector<Op> step7 = opsOfDenominator(ops, 7);
    std::vector<std::string> numerators;
    for (const Op& o : step7)
        if (o.op.kind == OpKind::Text && o.op.color != kBlue) numerators.push_back(o.text);
    EXPECT_EQ(numerators, (std::vector<std::string>{" 14", " 14"}));
    for (const Op& o : step7)
        if (o.op.kind == OpKind::Box && o.op.color == kDark) {
            EXPECT_EQ(o.op.y1, o.op.y2);
        }
}

TEST_F(Redraw, TwiceInARowGivesTheSameDrawingAndTheSameList) {
    harness.startUp();
    const std::vector<Op> first = opsOf(harness.graph());
    const std::string firstList = harness.controls().Text5->crLfText();
    harness.view().redraw();
    const std::vector<Op> second = opsOf(harness.graph());
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        ASSERT_EQ(first[i].text, second[i].text) << i;
        ASSERT_EQ(std::memcmp(&first[i].op, &second[i].op, sizeof(DrawOp)), 0) << i;
    }
    EXPECT_EQ(harness.controls().Text5->crLfText(), firstList);
    EXPECT_EQ(firstList.substr(0, resultListHeader().size()), resultListHeader());
    EXPECT_NE(firstList.find("\r\n\r\n  > 10/ 9       1/ 144    5 *\r\n"), std::string::npos);
}

// The trace of a redraw: after each denominator's step the drawing holds
// exactly the operations up to that step (the marks and labels of n all lie
// in n's column), and every record line of the list has its place.
TEST_F(Redraw, TracesTheDrawingPerDenominatorAndTheRecordLines) {
    harness.startUp();
    for (const Integer window : {Integer{0}, Integer{19}}) {
        harness.controls().vscMassX->setValue(window);
        const RedrawTrace& trace = harness.view().trace();
        const std::vector<Op> ops = opsOf(harness.graph());
        EXPECT_EQ(trace.drawingSizeAfter(0), 0u);
        EXPECT_EQ(trace.drawingSizeAfter(kLastDenominator), ops.size());
        for (const int n : {1, 2, 9, 500, 501, 9501, 10000}) {
            const std::size_t from = trace.drawingSizeAfter(n - 1);
            const std::size_t to = trace.drawingSizeAfter(n);
            ASSERT_LT(from, to) << n;
            EXPECT_EQ(opsOfDenominator(std::vector<Op>(ops.begin() + from, ops.begin() + to), n).size(), to - from) << n;
        }
        ResultListBuilder expected;
        scanFor({true, false, 5, 0, 2}, expected);
        EXPECT_EQ(trace.recordPlaces(), expected.places());
        EXPECT_EQ(harness.controls().Text5->crLfText(), expected.text());
    }
}

TEST_F(Redraw, ShowsTheLastWindowAndPansWithoutRedrawing) {
    harness.startUp();
    harness.controls().vscMassX->setValue(19);
    EXPECT_EQ(harness.controls().Text1[1]->text(), "9501");
    EXPECT_EQ(harness.controls().Text1[3]->text(), "10201");
    EXPECT_EQ(harness.graph().scaleLeft(), single(9501 - 5.7));
    EXPECT_EQ(harness.graph().scaleLeft() + harness.graph().scaleWidth(), single(9501 + 701));
    int redBars = 0;
    for (const Op& o : opsOf(harness.graph())) {
        const bool mark = o.op.kind == OpKind::Box || o.op.kind == OpKind::FilledBox || o.op.kind == OpKind::Circle;
        if (mark) {
            EXPECT_GE(o.op.x1, 9501);
        }
        if (mark && o.op.color == kRed && o.op.kind != OpKind::Circle) ++redBars;
    }
    EXPECT_EQ(redBars, 500); // 9501..10000; 10001..10201 stay empty

    const std::size_t drawn = harness.graph().drawing().size();
    harness.controls().hscn->setValue(750);
    EXPECT_FLOAT_EQ(harness.controls().picContainer->childLeft(&harness.graph()), -1500.0f);
    EXPECT_EQ(harness.graph().drawing().size(), drawn);
    harness.controls().vscMassX->setValue(18);
    EXPECT_FLOAT_EQ(harness.controls().picContainer->childLeft(&harness.graph()), -1500.0f)
        << "a new window keeps the pan position";
}

TEST_F(Redraw, AParameterChangeWaitsForTheNextRedraw) {
    harness.startUp();
    const std::string list = harness.controls().Text5->crLfText();
    const double oldUpper = *harness.state().upperNum[9];
    harness.controls().vscAbs->setValue(1);
    EXPECT_EQ(harness.controls().txtAbs->text(), "1");
    EXPECT_DOUBLE_EQ(t(), (std::sqrt(5.0) + 1) / 2);
    EXPECT_EQ(harness.controls().Text5->crLfText(), list);
    EXPECT_EQ(*harness.state().upperNum[9], oldUpper);

    harness.controls().Option1[1]->setChecked(true); // the sign redraws at once
    EXPECT_EQ(harness.state().sign, -1);
    EXPECT_DOUBLE_EQ(t(), (std::sqrt(5.0) - 1) / 2);
    EXPECT_NE(harness.controls().Text5->crLfText(), list);
    EXPECT_EQ(harness.state().lowerNum[1], 0);
}

} // namespace
} // namespace velnorit
