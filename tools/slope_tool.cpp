// The slope line: a rubber band while the button is held, then the line for
// good and, unless both ends lie within one whole denominator, its slope
// " m = ..." in a box at the release point.
#include "tools/pointer_tools.h"

#include "core/integer_rules.h"
#include "core/number_format.h"

#include <string>

namespace velnorit::tools {

namespace {

constexpr int kLineWidth = 2;
constexpr view::RgbValue kLabelColour = view::rgb(0, 0, 220);
constexpr float kLabelFontSize = 14;
// The label's box starts at the release point, kBoxWidth denominators wide,
// between yScale / kBoxBottomRise and yScale / kBoxTopRise above it; the
// text starts yScale / kTextRise above it.
constexpr float kBoxWidth = 7;
constexpr double kBoxBottomRise = 4200;
constexpr double kBoxTopRise = 900;
constexpr double kTextRise = 1000;
// The slope is shown cut to seven decimals.
constexpr double kSlopeUnit = 10000000;

// Value per denominator, with both denominators cut to whole numbers. The
// coordinates are single-precision numbers, and so are the two differences
// and their quotient.
float slopeBetween(float startX, float startY, float x, float y) {
    const float rise = y - startY;
    const float run = intPart(x) - intPart(startX);
    return rise / run;
}

// " m = " and the slope cut to 7 decimals towards minus infinity (1/3 gives
// .3333333, -1/3 gives -.3333334); a horizontal line reads " m = 0".
std::string slopeLabel(float slope) {
    const double m = slope;
    if (m == 0) return " m = 0";
    return " m = " + strForm(intPart(m * kSlopeUnit) / kSlopeUnit);
}

} // namespace

void PointerTools::startSlope(float x, float y) {
    state_.startX = x;
    state_.startY = y;
    view::SurfaceLine& band = *c_.Line5;
    band.setX1(x);
    band.setX2(x);
    band.setY1(y);
    band.setY2(y);
    band.setBorderColor(penColour());
    band.setVisible(true);
}

void PointerTools::stretchSlope(float x, float y) {
    c_.Line5->setX2(x);
    c_.Line5->setY2(y);
}

void PointerTools::endSlope(float x, float y) {
    view::DrawingSurface& g = graph();
    const float startX = state_.startX.value_or(0.0f);
    const float startY = state_.startY.value_or(0.0f);
    const double ys = state_.yScale;

    // Drawn on every release, also one at the press point.
    g.setDrawWidth(kLineWidth);
    g.line(startX, startY, x, y, penColour());

    // Ends within the same whole denominator have no slope to show.
    if (intPart(startX) != intPart(x)) {
        g.setForeColor(kLabelColour);
        g.setFontSize(kLabelFontSize);
        g.setDrawWidth(1);
        g.line(x, single(y + ys / kBoxBottomRise), x + kBoxWidth, single(y + ys / kBoxTopRise), penColour(),
               view::LineMode::Box);
        g.setDrawWidth(1);
        g.setCurrentX(x);
        g.setCurrentY(single(y + ys / kTextRise));
        g.print(slopeLabel(slopeBetween(startX, startY, x, y)));
        g.setForeColor(view::rgb(0, 0, 0));
        g.setFontSize(kGraphFontSize);
    }

    g.setDrawWidth(1);
    c_.Line5->setVisible(false);
}

} // namespace velnorit::tools
