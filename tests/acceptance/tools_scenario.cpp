// The blackboard tools in a real window: a free-hand stroke, a marker, a
// slope line and the field beside the pointer, drawn with real X input and
// found again in one screenshot (velnorit-tools.png in the output folder).
//   tools_scenario PROGRAM OUTPUT_FOLDER   (inside an X server)
#include "common_steps.h"
#include "drawing_frame.h"
#include "graph_geometry.h"
#include "pixel_search.h"
#include "readout_field.h"
#include "screen_capture.h"
#include "x_input.h"

#include <QColor>
#include <QLineF>

#include <cmath>

namespace velnorit::acceptance {
namespace {

const QColor kPenBlue(0, 0, 255);      // the pen colour at start-up
const QColor kPenYellow(255, 255, 0);  // the yellow colour box
const QColor kSlopeLabel(0, 0, 220);

QString describe(QPoint p) { return QString("%1,%2").arg(p.x()).arg(p.y()); }

void tools(const QString& programPath, const QString& folder, CheckLog& log) {
    ProgramUnderTest program(programPath);
    const QImage started = waitForStartedWindow(program);
    const GraphGeometry graph = GraphGeometry::measure(started, 1);
    const DrawingFrame frame = DrawingFrame::locate(started);
    const double denominator = graph.pixelsPerDenominator();

    // Where the marks go, in the free band above the target line between
    // denominators 10 and 27, clear of one another and of the field beside
    // the pointer, which would catch the first press where it starts.
    const QPoint strokeStart = graph.at(10.5, 0.68);
    const QPoint strokeEnd = graph.at(16.0, 0.50);
    const QPoint markerClick = graph.at(24.5, 0.62);
    const QPoint slopeStart = graph.at(10.5, 0.10);
    const QPoint slopeEnd = graph.at(17.5, 0.30);
    // The readout ends below the target line, away from all of them.
    const QPoint pointer = graph.at(9.4, -0.3);

    // Free hand, in the blue of start-up.
    click(frame.freehandOption());
    drag(QList<QPoint>{strokeStart} + pointsAlong(strokeStart, strokeEnd, 6) + QList<QPoint>{strokeEnd});

    // The marker "*" in yellow.
    click(frame.yellowBox());
    click(frame.markerOption());
    click(markerClick);

    // A slope line over seven denominators, in the pen colour, now yellow.
    click(frame.slopeOption());
    drag(QList<QPoint>{slopeStart} + pointsAlong(slopeStart, slopeEnd, 4) + QList<QPoint>{slopeEnd});

    movePointer(pointer);
    const QPoint fieldCorner = expectedReadoutCorner(graph, pointer);
    const QImage screen = waitForSettledScreen(
        [&](const QImage& s) { return !readoutFieldNear(s, kLowerSideRed, fieldCorner).isNull(); },
        "the readout field after the drawing");
    saveScreenshot(screen, folder + "/velnorit-tools.png");

    log.check(lineDrawnIn(screen, kPenBlue, strokeStart, strokeEnd),
              "the free-hand stroke is blue from " + describe(strokeStart) + " to " + describe(strokeEnd));

    // The marker's text starts three quarters of a denominator left of the
    // click and yScale/1150 above it (yScale is 50 graph heights, so that is
    // 1/23 of the height). The star stands a little right of and below that
    // corner, as its glyph sits in the upper part of a 53-point line.
    const QPoint markerText = markerClick + QPoint(static_cast<int>(std::lround(-0.75 * denominator)),
                                                   static_cast<int>(std::lround(-graph.height() / 23)));
    const QRect star = boundingBoxOf(screen, kPenYellow, around(markerClick, 60));
    const QPoint starOffset = star.topLeft() - markerText;
    log.check(!star.isNull() && countOfColour(screen, kPenYellow, star) >= 40 && starOffset.x() >= 0 &&
                  starOffset.x() <= 10 && starOffset.y() >= 0 && starOffset.y() <= 25,
              QString("the marker is a yellow star at %1 size %2x%3 for a click at %4 (text corner %5)")
                  .arg(describe(star.topLeft()))
                  .arg(star.width())
                  .arg(star.height())
                  .arg(describe(markerClick), describe(markerText)));

    log.check(lineDrawnIn(screen, kPenYellow, slopeStart, slopeEnd),
              "the slope line is yellow from " + describe(slopeStart) + " to " + describe(slopeEnd));

    // The label's box runs from the release point seven denominators to the
    // right and from yScale/4200 to yScale/900 above it, that is from 1/84
    // to 1/18 of the graph's height; its edges are in the pen colour.
    const QRect labelBox(QPoint(slopeEnd.x(), slopeEnd.y() - static_cast<int>(std::lround(graph.height() / 18))),
                         QPoint(slopeEnd.x() + static_cast<int>(std::lround(7 * denominator)),
                                slopeEnd.y() - static_cast<int>(std::lround(graph.height() / 84))));
    const int boxMiddle = labelBox.center().x();
    log.check(countOfColour(screen, kPenYellow, around({boxMiddle, labelBox.top()}, 2)) > 0 &&
                  countOfColour(screen, kPenYellow, around({boxMiddle, labelBox.bottom()}, 2)) > 0,
              QString("the label's box has yellow edges at y = %1 and %2").arg(labelBox.top()).arg(labelBox.bottom()));
    // The label " m = ..." is anti-aliased text: only the cores of its strokes
    // have the exact colour.
    const QRect label = boundingBoxOf(screen, kSlopeLabel, labelBox.adjusted(-30, -30, 30, 30));
    const int labelPixels = countOfColour(screen, kSlopeLabel, labelBox);
    log.check(!label.isNull() && labelBox.contains(label) && labelPixels >= 20,
              QString("the label stands in RGB(0, 0, 220) inside its box (%1 pixels at %2 size %3x%4)")
                  .arg(labelPixels)
                  .arg(describe(label.topLeft()))
                  .arg(label.width())
                  .arg(label.height()));

    const QRect field = readoutFieldNear(screen, kLowerSideRed, fieldCorner);
    log.check(readoutFieldFits(field, fieldCorner), "the readout field is red " + describeField(field, fieldCorner));

    endFromMenuAndCheck(program, screen, log);
}

} // namespace
} // namespace velnorit::acceptance

int main(int argc, char** argv) { return velnorit::acceptance::runScenario(argc, argv, velnorit::acceptance::tools); }
