// The field beside the pointer: the fraction for the denominator under the
// pointer, its value, target, the accuracy 1/m and the Pell term k.
#include "tools/pointer_readout.h"

#include "core/accuracy.h"
#include "core/exact_target.h"
#include "core/integer_rules.h"
#include "core/number_format.h"
#include "core/number_reading.h"
#include "tools/pointer_tools.h"

#include <cmath>

namespace velnorit::tools {

namespace {

// The colours of the two sequences' marks in the graph.
const QColor kUpperSide(140, 140, 140);
const QColor kLowerSide(240, 10, 10);

// The field's top-left corner: half a denominator right of the pointer and
// a fraction of yScale below it.
constexpr double kFieldRight = 0.5;
constexpr double kFieldDrop = 0.0009;

void setBackground(QWidget& field, const QColor& colour) {
    QPalette palette = field.palette();
    if (palette.color(QPalette::Base) == colour && palette.color(QPalette::Window) == colour) return;
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    field.setPalette(palette);
}

} // namespace

ReadoutTexts readoutTexts(double numerator, float denominator, const ReadoutParameters& parameters) {
    const double value = checkedDivide(numerator, denominator);
    // Through the Str forms: values equal to 15 digits are at distance 0.
    const double distance = std::abs(val(strForm(value)) - val(strForm(parameters.target)));
    if (distance == 0) return {};

    // m from the exact distance of p/q to the target of these parameters.
    const exact::QuadraticTarget target(parameters.wurzel, parameters.abs, parameters.nenner, parameters.sign);
    const std::optional<std::int64_t> accuracy = target.accuracyDenominator(
        {static_cast<std::int64_t>(numerator), static_cast<std::int64_t>(denominator)});
    if (!accuracy) return {};
    const std::string m = strForm(static_cast<double>(*accuracy));
    const double k = pellAbsoluteTerm(parameters.wurzel, parameters.nenner, parameters.abs, parameters.sign,
                                      numerator, denominator);
    ReadoutTexts texts;
    texts.field = strForm(numerator) + " /" + strFormSingle(denominator) + " =\r\n" + strForm(value) +
                  "\r\nZiel:\r\n" + strForm(parameters.target) + "\r\nGen.: 1/" + m + "   " + strForm(k);
    texts.accuracy = " 1/" + m;
    return texts;
}

// Only for denominators after the view's first and up to 10000; elsewhere the
// field keeps what it shows. There is no clamping at the graph's edges.
void PointerTools::readout(float x, float y, int sign) {
    if (!(valueOf(state_.nStart) < x && x <= kLastDenominator)) return;

    view::MultiLineBox& field = *c_.Text6;
    field.setVisible(true);
    graph().setChildLeft(&field, single(x + kFieldRight));
    graph().setChildTop(&field, single(y - kFieldDrop * state_.yScale));

    // At target exactly the pointer reads the lower side.
    const double target = valueOf(state_.target);
    const float q = intPart(x);
    double p = 0;
    if (y > target) {
        setBackground(field, kUpperSide);
        p = state_.upperNumAt(toLong(q));
    } else {
        setBackground(field, kLowerSide);
        p = state_.lowerNumAt(toLong(q));
    }

    ReadoutParameters parameters;
    parameters.target = target;
    parameters.wurzel = c_.vscWurzel->value();
    parameters.abs = c_.vscAbs->value();
    parameters.nenner = c_.vscNenner->value();
    parameters.sign = sign;
    const ReadoutTexts texts = readoutTexts(p, q, parameters);
    field.setCrLfText(texts.field);
    c_.Text2->setCrLfText(texts.accuracy);
}

} // namespace velnorit::tools
