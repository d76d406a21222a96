#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

namespace velnorit::acceptance {

// A straight line fitted through the places of equally spaced grid lines,
// some of which may be hidden: the spacing and the place of the first.
struct GridFit {
    double spacing = 0;
    double first = 0;
};
// Needs at least two places, in increasing order.
GridFit fitGrid(const std::vector<double>& places);

// Where the graph's coordinates lie on the screen, measured from the graph
// itself: at every whole denominator the graph draws a lavender grid line
// from the target line down over 0.009 · yScale, which is 45 % of the graph's
// height (the graph spans yScale / 50, with target in the middle).
class GraphGeometry {
public:
    // `firstDenominator` is the denominator of the leftmost grid line in view
    // (1 right after start-up: the x-axis window starts at 1 and the graph is
    // not panned). Throws ScenarioAborted when too few grid lines are seen.
    static GraphGeometry measure(const QImage& screen, int firstDenominator);

    // The screen point of denominator x at `halfHeights` half graph heights
    // above the target line (negative: below it).
    QPoint at(double denominator, double halfHeights) const;
    double pixelsPerDenominator() const { return pixelsPerDenominator_; }
    double height() const { return height_; }
    // A rectangle of the graph that no other control covers.
    QRect visibleArea() const { return visible_; }

private:
    GraphGeometry() = default;
    double firstLineX_ = 0;
    int firstDenominator_ = 1;
    double pixelsPerDenominator_ = 1;
    double targetY_ = 0;
    double height_ = 1;
    QRect visible_;
};

} // namespace velnorit::acceptance
