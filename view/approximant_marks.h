#pragma once

#include "core/scan.h"
#include "view/drawing_surface.h"

namespace velnorit::view {

// Draws, at the points of each scan step, the marks of a denominator n on the
// graph: the lower (red) and upper (dark) bars, filled for a record and
// outlined otherwise, the record dots, the box and printed value of an
// absolute improvement, and for every n its numerators, its own label and a
// grid line. Bars, dots and improvement marks appear only from nStart on.
//
// Coordinates are computed in Doubles and handed to the surface as Singles.
class ApproximantMarks : public ScanListener {
public:
    ApproximantMarks(DrawingSurface& graph, double target, double yScale, double nStart);

    void onRecord(const Record& record, const WindowState& state) override;
    void onNoRecord(Side side, const WindowState& state) override;
    void onAbsoluteImprovement(const Record& record, const WindowState& state) override;
    void onStepEnd(const WindowState& state) override;

private:
    bool visible(int n) const { return n >= nStart_; }
    void bar(Side side, int n, const WindowState& state, LineMode mode);
    void recordDot(Side side, int n);

    DrawingSurface& graph_;
    double t_;
    double ys_;
    double nStart_;
};

} // namespace velnorit::view
