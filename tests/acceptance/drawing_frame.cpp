#include "drawing_frame.h"

#include "check_log.h"
#include "pixel_search.h"
#include "twips.h"

#include <QColor>

#include <cstdlib>

namespace velnorit::acceptance {
namespace {

const QColor kStartPenBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);
const QColor kYellow(255, 255, 0);

// Design rectangles inside the frame, in twips.
constexpr TwipsRect kPenColourBox{225, 1395, 240, 465};
constexpr TwipsRect kBlackBox{720, 1395, 240, 240};
constexpr TwipsRect kYellowBox{945, 1395, 240, 240};
constexpr TwipsRect kBlueBox{945, 1620, 240, 240};
constexpr TwipsRect kSlopeOption{180, 225, 1140, 375};
constexpr TwipsRect kFreehandOption{180, 495, 1005, 375};
constexpr TwipsRect kMarkerOption{180, 765, 285, 375};
constexpr TwipsRect kMarkerText{450, 810, 735, 285};

// The round indicator at the left end of an option button.
QPoint indicatorOf(QRect option) { return QPoint(option.left() + option.height() / 2, option.center().y()); }

} // namespace

DrawingFrame DrawingFrame::locate(const QImage& screen) {
    // The pen colour box is the only blue patch about twice as high as wide;
    // the blue colour box beside it is square.
    const QRect penBoxSize = kPenColourBox.inPixels({0, 0});
    for (const QRect& patch : patchesOfColour(screen, kStartPenBlue, screen.rect(), 100)) {
        if (std::abs(patch.width() - penBoxSize.width()) > 3 || std::abs(patch.height() - penBoxSize.height()) > 3)
            continue;
        const DrawingFrame frame(patch.topLeft() - penBoxSize.topLeft());
        // The black and the yellow box must stand where the design puts them
        // relative to the pen box, or the frame's origin is wrong.
        if (!hasColour(screen, kBlackBox.inPixels(frame.origin_).center(), kBlack) ||
            !hasColour(screen, kYellowBox.inPixels(frame.origin_).center(), kYellow))
            throw ScenarioAborted("the colour boxes of the frame \"Zeichnen\" are not where the design has them");
        return frame;
    }
    throw ScenarioAborted("the pen colour box of the frame \"Zeichnen\" was not found");
}

QPoint DrawingFrame::slopeOption() const { return indicatorOf(kSlopeOption.inPixels(origin_)); }
QPoint DrawingFrame::freehandOption() const { return indicatorOf(kFreehandOption.inPixels(origin_)); }
QPoint DrawingFrame::markerOption() const { return indicatorOf(kMarkerOption.inPixels(origin_)); }
QPoint DrawingFrame::yellowBox() const { return kYellowBox.inPixels(origin_).center(); }
QPoint DrawingFrame::blueBox() const { return kBlueBox.inPixels(origin_).center(); }
QPoint DrawingFrame::markerTextBox() const { return kMarkerText.inPixels(origin_).center(); }

} // namespace velnorit::acceptance
