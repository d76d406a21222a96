#include "view/approximant_marks.h"

#include "core/integer_rules.h"
#include "core/number_format.h"

namespace velnorit::view {

namespace {

constexpr RgbValue kLowerRed = rgb(250, 0, 0);
constexpr RgbValue kUpperDark = rgb(30, 30, 30);
constexpr RgbValue kImprovementLine = rgb(245, 245, 245);
constexpr RgbValue kDenominatorBlue = rgb(5, 0, 195);
constexpr RgbValue kGridLavender = rgb(185, 185, 235);
constexpr RgbValue kBlack = 0;

} // namespace

ApproximantMarks::ApproximantMarks(DrawingSurface& graph, double target, double yScale, double nStart)
    : graph_(graph), t_(target), ys_(yScale), nStart_(nStart) {}

// The lower bar hangs from just below target down to the lower fraction, the
// upper bar rises from target up to the upper fraction; both are cut at the
// edge of the view.
void ApproximantMarks::bar(Side side, int n, const WindowState& state, LineMode mode) {
    if (!visible(n)) return;
    if (side == Side::Lower)
        graph_.line(single(n + 0.4), single(t_ - 0.0004 * ys_), single(n + 0.8),
                    single(*state.lowerClip - 0.0004 * ys_), kLowerRed, mode);
    else
        graph_.line(single(n + 0.3), single(t_), single(n + 0.7), single(*state.upperClip), kUpperDark, mode);
}

void ApproximantMarks::recordDot(Side side, int n) {
    if (!visible(n)) return;
    graph_.setDrawWidth(2);
    if (side == Side::Lower)
        graph_.circle(single(n + 0.4), single(t_ - 0.0077 * ys_), 0.3f, kLowerRed);
    else
        graph_.circle(single(n + 0.4), single(t_ - 0.0065 * ys_), 0.3f, kUpperDark);
    graph_.setDrawWidth(1);
}

void ApproximantMarks::onRecord(const Record& record, const WindowState& state) {
    bar(record.side, record.n, state, LineMode::FilledBox);
    recordDot(record.side, record.n);
}

void ApproximantMarks::onNoRecord(Side side, const WindowState& state) { bar(side, *state.n, state, LineMode::Box); }

// A small dark box in the row "absolut besser", and the value of the fraction
// printed above target at a height that grows with its distance, joined to
// target by a whitish line. Each step makes its own test of n against nStart.
void ApproximantMarks::onAbsoluteImprovement(const Record& record, const WindowState&) {
    const int n = record.n;
    const double v = record.value;
    const double h = record.side == Side::Lower ? (t_ + 0.008 * ys_) + 0.03 * (ys_ * (t_ - v))
                                                : (t_ + 0.009 * ys_) + 0.03 * (ys_ * (v - t_));
    if (visible(n))
        graph_.line(single(n + 0.3), single(t_ - 0.007 * ys_), single(n + 0.57), single(t_ - 0.0072 * ys_),
                    kUpperDark, LineMode::FilledBox);
    if (visible(n)) graph_.setCurrentX(single(n));
    if (visible(n)) graph_.setCurrentY(single(h));
    if (visible(n)) graph_.printNumber(v);
    if (visible(n)) graph_.setDrawWidth(1);
    if (visible(n)) graph_.line(single(n), single(t_), single(n), graph_.currentY(), kImprovementLine);
    graph_.setDrawWidth(1);
}

// Every denominator, visible or not: its two numerators beside the two
// fraction values, its label in blue at the height of target (above 1000
// only every fifth), and a lavender grid line from below target up to it.
void ApproximantMarks::onStepEnd(const WindowState& state) {
    const int n = *state.n;
    const double upper = *state.upper;
    const double lower = *state.lower;
    graph_.setCurrentY(single(upper + 0.0007 * ys_));
    graph_.setCurrentX(single(n + 0.1));
    graph_.print(strForm(n * upper));
    graph_.setCurrentY(single(lower - 0.0005 * ys_));
    graph_.setCurrentX(single(n + 0.1));
    graph_.print(strForm(n * lower));
    graph_.setForeColor(kDenominatorBlue);
    graph_.setCurrentY(single(t_));
    graph_.setCurrentX(single(n + 0.1));
    const float fifth = static_cast<float>(n) / 5.0f; // an Integer quotient is a Single
    if (n <= 1000 || fifth == intPart(fifth)) graph_.print(strForm(n));
    graph_.setForeColor(kBlack);
    graph_.setDrawWidth(1);
    graph_.line(single(n), single(t_ - 0.009 * ys_), single(n), single(t_), kGridLavender);
    graph_.setDrawWidth(1);
}

} // namespace velnorit::view
