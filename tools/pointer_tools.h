#pragma once

#include "core/window_state.h"
#include "view/form_controls.h"

namespace velnorit::tools {

// The text size, in points, that the marker and the slope label leave the
// graph with after their own texts.
inline constexpr float kGraphFontSize = 10;

// The graph as a blackboard: the three mouse handlers of the graph with the
// free-hand pen, the eraser, the marker text and the slope line, the readout
// beside the pointer, the tool and colour choice.
//
// Everything the tools draw goes into the graph's retained drawing and stays
// until the next redraw or "Alles". The tools never redraw.
class PointerTools {
public:
    PointerTools(WindowState& state, const view::FormControls& controls);

    // x and y in the graph's user units; every mouse button draws.
    void picGraph_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void picGraph_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, float x, float y);
    void picGraph_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

    void Option2_Click(int index);
    void Picture2_Click(int index);
    void Text3_Change();

    // Moving onto the window, the x and y frames, a sign option, the legend,
    // the parameter panel or the list hides the readout field.
    void hideReadout();

    // The readout step of a pointer move to (x, y), with the sign read as
    // the move reads it: the keyboard cursor shows its fraction so, and
    // every figure agrees with the mouse.
    void showReadoutAt(float x, float y);

private:
    // The options of Option2, by index. The selection is read from the
    // buttons at each event; nothing else records it.
    enum Tool { kSlope = 0, kFreehand = 1, kMarker = 2, kEraser = 3 };
    bool selected(Tool tool) const;
    bool buttonIsDown() const;
    view::RgbValue penColour() const;
    view::DrawingSurface& graph() const { return *c_.picGraph; }

    // Free-hand pen, eraser and marker (blackboard_tools.cpp).
    void showEraser();
    void placeEraser(float x, float y);
    void eraseUnderSquare();
    void penDot(float x, float y);
    void penSegment(float x, float y);
    void stampMarker(float x, float y);

    // Slope line (slope_tool.cpp).
    void startSlope(float x, float y);
    void stretchSlope(float x, float y);
    void endSlope(float x, float y);

    // The field beside the pointer and the accuracy box (pointer_readout.cpp).
    void readout(float x, float y, int sign);

    WindowState& state_;
    const view::FormControls& c_;
};

} // namespace velnorit::tools
