#pragma once

#include "shell/form1.h"

#include <QPoint>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velnorit::testing {

// One recorded drawing operation with its text.
struct RecordedOp {
    view::DrawOp op;
    std::string text;
};

// The real main window after start-up, shown on the test screen, with the
// pointer driven over the graph by mouse events in the graph's pixels.
class ToolsWindow : public ::testing::Test {
protected:
    ToolsWindow();
    ~ToolsWindow() override;

    const view::FormControls& c() const { return form_.controls(); }
    const WindowState& state() const { return form_.state(); }
    tools::PointerTools& tools() { return form_.pointerTools(); }
    shell::Form1& form() { return form_; }
    view::DrawingSurface& graph() const { return *c().picGraph; }

    // The pixel of the graph nearest to a point in its user units, and the
    // user units that a mouse event at a pixel reports (single precision).
    QPoint pixelAt(double x, double y) const;
    float eventX(QPoint pixel) const;
    float eventY(QPoint pixel) const;

    // Mouse events on the graph. Moves go straight to the graph with the
    // buttons held at that moment, whatever lies on top of it at that place.
    void press(QPoint pixel, Qt::MouseButton button = Qt::LeftButton);
    void move(QPoint pixel);
    void release(QPoint pixel, Qt::MouseButton button = Qt::LeftButton);
    // A short drag from one pixel to another, through their midpoint.
    void stroke(QPoint from, QPoint to) {
        press(from);
        move((from + to) / 2);
        move(to);
        release(to);
    }

    // Moves the screen's pointer onto a control, so that the window
    // delivers the move to whatever lies there; fails unless the control
    // itself lies at that point.
    void pointerOnto(QWidget* control, QPoint local);

    void chooseTool(int index); // clicks Option2(index)
    void setParameters(int wurzel, int abs, int nenner); // by the bars, then "Graphik"

    // The operations drawn on the graph since the given count.
    std::vector<RecordedOp> opsSince(std::size_t count) const;
    std::size_t opCount() const { return graph().drawing().size(); }

    double target() const { return state().target.value_or(0); }
    // The pixel dx denominators right of 6 and dy above the target.
    QPoint near(double dx, double dy) const { return pixelAt(6 + dx, target() + dy); }
    double yScale() const { return state().yScale; }

private:
    shell::Form1 form_;
    Qt::MouseButtons held_;
};

} // namespace velnorit::testing
