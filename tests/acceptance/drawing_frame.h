#pragma once

#include <QImage>
#include <QPoint>

namespace velnorit::acceptance {

// The frame "Zeichnen" with the tool options and the colour boxes, found on
// the screen by its tall box of the pen colour (blue at start-up). Its
// controls keep their design places in twips inside the frame.
class DrawingFrame {
public:
    // Call right after start-up, while the pen is blue. Throws
    // ScenarioAborted when the colour boxes are not where the design has them.
    static DrawingFrame locate(const QImage& screen);

    QPoint slopeOption() const;    // "Steigung"
    QPoint freehandOption() const; // "Freihand"
    QPoint markerOption() const;   // the option without caption beside the marker text
    QPoint yellowBox() const;
    QPoint blueBox() const;
    QPoint markerTextBox() const;  // the box of the marker text beside it

private:
    explicit DrawingFrame(QPoint origin) : origin_(origin) {}
    QPoint origin_; // top-left corner of the frame
};

} // namespace velnorit::acceptance
