#pragma once

#include "view/drawing_surface.h"

#include <array>

namespace velnorit::tools {

// The thin frame around the bar the keyboard cursor stands on. It is a
// decoration of the graph, above its drawing and outside it: it is never
// part of a saved, exported or printed picture, and a redraw does not
// touch it (the cursor hides it then).
class CursorMarker {
public:
    // Dark green: no mark of the graph has it, and against the graph's grey
    // (228, 228, 228) it reaches a contrast of 5:1, readable on a projector.
    static constexpr view::RgbValue kColour = view::rgb(0, 110, 60);
    static constexpr int kWidthPixels = 2;

    explicit CursorMarker(view::DrawingSurface& graph);

    // Frames the stretch from left to right and from yFrom to yTo, in the
    // graph's user units, and shows the frame.
    void frame(float left, float right, float yFrom, float yTo);
    void hide();
    bool isVisible() const { return lines_[0]->isVisible(); }
    // Left, right, yFrom and yTo as framed, in user units.
    std::array<float, 4> edges() const;

private:
    std::array<view::SurfaceLine*, 4> lines_{}; // left, right, top, bottom
};

} // namespace velnorit::tools
