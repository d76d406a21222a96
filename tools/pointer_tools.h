#pragma once

#include "core/window_state.h"
#include "tools/tool_controls.h"
#include "view/graph_controls.h"

namespace velnorit::tools {

// The graph as a blackboard: the three mouse handlers of the graph with the
// free-hand pen, the eraser, the marker text and the slope line, the readout
// beside the pointer, the tool and colour choice.
//
// Everything the tools draw goes into the graph's retained drawing and stays
// until the next redraw or "Alles". The tools never redraw.
class PointerTools {
public:
    PointerTools(WindowState& state, const view::GraphControls& graph, const ToolControls& tools);

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

private:
    WindowState& state_;
    view::GraphControls graph_;
    ToolControls tools_;
};

} // namespace velnorit::tools
