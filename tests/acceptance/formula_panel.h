#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

namespace velnorit::acceptance {

// The parameter panel at the top right, found on the screen by its three
// yellow parameter boxes. The panel keeps its absolute size whatever the
// screen, so every control in it lies at a fixed pixel offset from the box
// of Wurzel.
class FormulaPanel {
public:
    // Throws ScenarioAborted when the boxes are not where the design has them.
    static FormulaPanel locate(const QImage& screen);

    QPoint wurzelBox() const;
    QPoint wurzelUpArrow() const;
    QPoint absBox() const;
    QPoint absUpArrow() const;
    QPoint nennerBox() const;
    QPoint nennerUpArrow() const;
    QPoint minusOption() const;
    QPoint graphikButton() const;
    // The inside of the list below the panel, from just below the panel down
    // to `bottom` (the list ends some way above the screen's bottom edge).
    QRect listInside(int bottom) const;

private:
    explicit FormulaPanel(QPoint origin) : origin_(origin) {}
    QPoint origin_; // top-left corner of the panel's inner area
};

} // namespace velnorit::acceptance
