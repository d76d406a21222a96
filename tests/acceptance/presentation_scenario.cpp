// "Präsentation" in a real window at 1024 x 768, with real X input: F11
// shows the graph magnified, with the grid lines at least 2.5 times as far
// apart as in the window; → moves it; a yellow stroke drawn in the window
// before shows in it; a stroke drawn in it is in the window after Escape,
// whose grid is as before, and Strg+Z takes that stroke back.
//   presentation_scenario PROGRAM OUTPUT_FOLDER   (inside an X server)
#include "common_steps.h"
#include "drawing_frame.h"
#include "graph_geometry.h"
#include "pixel_search.h"
#include "readout_field.h"
#include "screen_capture.h"
#include "x_input.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <vector>

namespace velnorit::acceptance {
namespace {

const QColor kGridLavender(185, 185, 235);
const QColor kPenYellow(255, 255, 0);
const QColor kPenBlue(0, 0, 255);

QString shot(const QString& folder, const QString& name) { return folder + "/presentation-" + name + ".png"; }

// The grid of the view, measured along one row: the middles of the
// lavender runs (a grid line is two or three pixels wide there), and the
// spacing fitted through them as GraphGeometry does for the window.
struct ViewGrid {
    std::vector<double> lines;
    double spacing = 0;
    double targetRow = -1; // where the grid lines begin, at the target line

    static ViewGrid measure(const QImage& screen, int row) {
        ViewGrid grid;
        int start = -1;
        for (int x = 0; x <= screen.width(); ++x) {
            const bool in = x < screen.width() && screen.pixelColor(x, row) == kGridLavender;
            if (in && start < 0) start = x;
            if (!in && start >= 0) {
                grid.lines.push_back((start + x - 1) / 2.0);
                start = -1;
            }
        }
        if (grid.lines.size() < 5) return grid;
        grid.spacing = fitGrid(grid.lines).spacing;
        // The target line: where the grid lines begin, the highest of their
        // tops (a stroke or the readout over a line cuts it short).
        grid.targetRow = row;
        for (const double x : grid.lines) {
            int top = row;
            while (top > 0 && screen.pixelColor(static_cast<int>(x), top - 1) == kGridLavender) --top;
            grid.targetRow = std::min<double>(grid.targetRow, top);
        }
        return grid;
    }
    bool valid() const { return lines.size() >= 5 && spacing > 0; }
};

void presentation(const QString& programPath, const QString& folder, CheckLog& log) {
    ProgramUnderTest program(programPath);
    const QImage started = waitForStartedWindow(program);
    const GraphGeometry window = GraphGeometry::measure(started, 1);
    const DrawingFrame frame = DrawingFrame::locate(started);
    const double halfHeight = window.height() / 2;

    // A yellow stroke in the window, below the target line between the
    // denominators 10 and 13; the pointer stays at its end, on 13.
    click(frame.yellowBox());
    const QPoint yellowFrom = window.at(10.5, -0.15);
    const QPoint yellowTo = window.at(13.5, -0.35);
    drag(QList<QPoint>{yellowFrom} + pointsAlong(yellowFrom, yellowTo, 6) + QList<QPoint>{yellowTo});
    const QImage before = waitForSettledScreen(
        [&](const QImage& s) { return lineDrawnIn(s, kPenYellow, yellowFrom, yellowTo); }, "the yellow stroke");
    saveScreenshot(before, shot(folder, "1-window"));
    const QRect graphArea = window.visibleArea();

    // F11: the view over the whole screen, centred on the denominator last
    // under the pointer (13), so its middle is 13.5.
    pressKeys({"F11"});
    const int gridRow = static_cast<int>(before.height() * 0.78); // below the readout, above the record dots
    const QImage magnified = waitForSettledScreen(
        [&](const QImage& s) {
            const ViewGrid g = ViewGrid::measure(s, gridRow);
            return g.valid() && g.spacing > 2 * window.pixelsPerDenominator();
        },
        "the magnified view after F11");
    saveScreenshot(magnified, shot(folder, "2-view"));
    log.check(waitForKeyboardIn("Präsentation"), "the view has the keyboard");
    const ViewGrid grid = ViewGrid::measure(magnified, gridRow);
    const double ratio = grid.spacing / window.pixelsPerDenominator();
    log.check(ratio >= 2.5,
              QString("the grid lines are %1 times as far apart as in the window (%2 against %3 px)")
                  .arg(ratio, 0, 'f', 3)
                  .arg(grid.spacing, 0, 'f', 2)
                  .arg(window.pixelsPerDenominator(), 0, 'f', 2));

    // Where a point of the graph lies in the view: the middle of the screen
    // is denominator 13.5; the scale is the grid's across and as many times the
    // window's up.
    const double scale = grid.spacing / window.pixelsPerDenominator();
    const auto inView = [&](double centre, double n, double halfHeights) {
        return QPoint(static_cast<int>(std::lround(magnified.width() / 2.0 + (n - centre) * grid.spacing)),
                      static_cast<int>(std::lround(grid.targetRow - halfHeights * halfHeight * scale)));
    };
    log.check(lineDrawnIn(magnified, kPenYellow, inView(13.5, 10.5, -0.15), inView(13.5, 13.5, -0.35)),
              "the yellow stroke drawn in the window shows in the view, magnified");
    const QRect largeReadout =
        boundingBoxOf(magnified, kLowerSideRed, magnified.rect().adjusted(magnified.width() / 2, 0, 0, 0));
    log.check(largeReadout.height() >= 5 * 32, QString("the readout stands in the view in large type (%1 px high)")
                                                   .arg(largeReadout.height()));

    // →: the view moves one denominator on, the stroke one spacing left.
    const QRect yellowBefore = boundingBoxOf(magnified, kPenYellow, magnified.rect());
    pressKeys({"Right"});
    const QImage moved = waitForSettledScreen(
        [&](const QImage& s) { return boundingBoxOf(s, kPenYellow, s.rect()).left() < yellowBefore.left() - 10; },
        "the view after →");
    saveScreenshot(moved, shot(folder, "3-right"));
    const int shift = yellowBefore.left() - boundingBoxOf(moved, kPenYellow, moved.rect()).left();
    log.check(std::abs(shift - grid.spacing) <= 2, QString("→ moves the view by one denominator (%1 px)").arg(shift));

    // A blue stroke in the view (Strg+4 there), between 12 and 14 below the
    // target line; the middle is 14.5 now.
    pressKeys({"ctrl+4"});
    const QPoint blueFrom = inView(14.5, 12.3, -0.45);
    const QPoint blueTo = inView(14.5, 14.2, -0.6);
    drag(QList<QPoint>{blueFrom} + pointsAlong(blueFrom, blueTo, 6) + QList<QPoint>{blueTo});
    const QRect blueInView = QRect(blueFrom, blueTo).normalized().adjusted(-6, -6, 6, 6);
    const QImage drawn = waitForSettledScreen(
        [&](const QImage& s) { return countOfColour(s, kPenBlue, blueInView) > 0; }, "the blue stroke in the view");
    saveScreenshot(drawn, shot(folder, "4-stroke-in-view"));
    log.check(lineDrawnIn(drawn, kPenBlue, blueFrom, blueTo),
              "a blue stroke drawn in the view (Strg+4 there) shows there");

    // Escape: the window as before, its grid where it was, with both
    // strokes; the pointer then rests on the list, which hides the field
    // beside the pointer that the stroke left over the graph.
    pressKeys({"Escape"});
    const QPoint windowBlueFrom = window.at(12.3, -0.45);
    const QPoint windowBlueTo = window.at(14.2, -0.6);
    waitForSettledScreen([&](const QImage& s) { return s.pixelColor(frame.yellowBox()) == kPenYellow; },
                         "the window after Escape");
    movePointer(QPoint(graphArea.right() + 60, graphArea.bottom() - 60));
    const QImage back =
        waitForSettledScreen([&](const QImage &s) { return countOfColour(s, kLowerSideRed, graphArea) == 0; },
                             "the window without the field");
    saveScreenshot(back, shot(folder, "5-back"));
    // The title marks the stroke as unsaved.
    log.check(waitForKeyboardIn("^Rationale Velnorit\\*?$"), "the window has the keyboard again");
    const GraphGeometry again = GraphGeometry::measure(back, 1);
    log.check(
        again.at(1, 0) == window.at(1, 0) && again.at(30, 0) == window.at(30, 0) &&
            std::abs(again.pixelsPerDenominator() - window.pixelsPerDenominator()) < 0.01,
        QString("the window's grid is as before (%1 px per denominator)").arg(again.pixelsPerDenominator(), 0, 'f', 3));
    log.check(lineDrawnIn(back, kPenYellow, yellowFrom, yellowTo), "the yellow stroke is still there");
    log.check(lineDrawnIn(back, kPenBlue, windowBlueFrom, windowBlueTo),
              "the stroke drawn in the view shows in the window, in blue, where it was drawn");

    // Strg+Z takes the view's stroke back, and only that one.
    pressKeys({"ctrl+z"});
    const QRect blueArea = QRect(windowBlueFrom, windowBlueTo).normalized().adjusted(-6, -6, 6, 6);
    const QImage undone = waitForSettledScreen(
        [&](const QImage& s) { return countOfColour(s, kPenBlue, blueArea) == 0; }, "the window after Strg+Z");
    saveScreenshot(undone, shot(folder, "6-undone"));
    log.check(countOfColour(undone, kPenBlue, blueArea) == 0 && lineDrawnIn(undone, kPenYellow, yellowFrom, yellowTo),
              "Strg+Z takes the stroke drawn in the view back, the yellow one stays");

    endFromMenuAndCheck(program, undone, log);
}

} // namespace
} // namespace velnorit::acceptance

int main(int argc, char** argv) {
    return velnorit::acceptance::runScenario(argc, argv, velnorit::acceptance::presentation);
}
