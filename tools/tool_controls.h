#pragma once

#include "view/drawing_surface.h"
#include "view/graph_controls.h"
#include "view/text_boxes.h"

#include <QLineEdit>
#include <QRadioButton>

#include <array>

namespace velnorit::tools {

// The controls of the pointer readout and the blackboard tools. The window
// creates them; the tools keep only pointers.
struct ToolControls {
    view::MultiLineBox* text6 = nullptr;  // the readout field, a child of the graph
    view::MultiLineBox* text2 = nullptr;  // the accuracy box " 1/m"
    QLineEdit* text3 = nullptr;           // the marker text
    std::array<QRadioButton*, 4> option2{}; // "Steigung", "Freihand", marker, "Radierer"
    std::array<view::DrawingSurface*, 5> picture2{}; // colour boxes; 4 is the pen colour
    view::SurfaceLine* line5 = nullptr;        // rubber band of the slope tool
    view::SurfaceRectangle* shape1 = nullptr;  // the eraser square
};

} // namespace velnorit::tools
