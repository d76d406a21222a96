#include "graph_geometry.h"

#include "check_log.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <vector>

namespace velnorit::acceptance {
namespace {

const QRgb kGridLavender = qRgb(185, 185, 235);

// Grid lines are hundreds of pixels long on any usable screen; shorter
// lavender runs are something else.
constexpr int kShortestGridLine = 40;

struct Run {
    int top = 0;
    int length = 0;
};

Run longestLavenderRun(const QImage& screen, int x) {
    Run best, current;
    for (int y = 0; y < screen.height(); ++y) {
        if ((screen.pixel(x, y) & 0x00ffffffu) == (kGridLavender & 0x00ffffffu)) {
            if (current.length == 0) current.top = y;
            ++current.length;
            if (current.length > best.length) best = current;
        } else {
            current.length = 0;
        }
    }
    return best;
}

template <typename T> T median(std::vector<T> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace

GridFit fitGrid(const std::vector<double>& places) {
    std::vector<double> gaps;
    for (std::size_t i = 1; i < places.size(); ++i) gaps.push_back(places[i] - places[i - 1]);
    // The mean of the single gaps: lines on whole pixels lie 22 and 23
    // pixels apart for a spacing of 22.47, and either as the spacing would
    // give the farther lines the wrong count of gaps. A hidden line makes a
    // double gap, which is left out.
    const double typical = median(gaps);
    double sum = 0;
    int singles = 0;
    for (const double gap : gaps)
        if (gap > 0.5 * typical && gap < 1.5 * typical) {
            sum += gap;
            ++singles;
        }
    const double rough = singles > 0 ? sum / singles : typical;

    // Fit a straight line through (index, x): each line's index is its
    // distance from the first in whole spacings, so a hidden line leaves no
    // error behind.
    double sumI = 0, sumX = 0, sumII = 0, sumIX = 0;
    for (const double x : places) {
        const double i = std::round((x - places.front()) / rough);
        sumI += i;
        sumX += x;
        sumII += i * i;
        sumIX += i * x;
    }
    const double count = static_cast<double>(places.size());
    GridFit fit;
    fit.spacing = (count * sumIX - sumI * sumX) / (count * sumII - sumI * sumI);
    fit.first = (sumX - fit.spacing * sumI) / count;
    return fit;
}

GraphGeometry GraphGeometry::measure(const QImage& screen, int firstDenominator) {
    std::vector<int> lineXs, tops, lengths;
    for (int x = 0; x < screen.width(); ++x) {
        const Run run = longestLavenderRun(screen, x);
        if (run.length < kShortestGridLine) continue;
        lineXs.push_back(x);
        tops.push_back(run.top);
        lengths.push_back(run.length);
    }
    if (lineXs.size() < 5)
        throw ScenarioAborted(QString("only %1 grid lines of the graph found").arg(lineXs.size()));

    const GridFit fit = fitGrid(std::vector<double>(lineXs.begin(), lineXs.end()));
    GraphGeometry g;
    g.pixelsPerDenominator_ = fit.spacing;
    g.firstLineX_ = fit.first;
    g.firstDenominator_ = firstDenominator;
    g.targetY_ = median(tops);
    g.height_ = median(lengths) / 0.45;

    // From the first grid line (just right of the legend strip) to the last
    // one in view, over the whole height but for a pixel at each edge.
    const int top = static_cast<int>(std::ceil(g.targetY_ - g.height_ / 2)) + 1;
    const int bottom = static_cast<int>(std::floor(g.targetY_ + g.height_ / 2)) - 1;
    g.visible_ = QRect(QPoint(lineXs.front(), top), QPoint(lineXs.back(), bottom)).intersected(screen.rect());
    return g;
}

QPoint GraphGeometry::at(double denominator, double halfHeights) const {
    const double x = firstLineX_ + (denominator - firstDenominator_) * pixelsPerDenominator_;
    const double y = targetY_ - halfHeights * height_ / 2;
    return QPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
}

} // namespace velnorit::acceptance
