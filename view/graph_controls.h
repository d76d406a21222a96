#pragma once

#include "view/drawing_surface.h"
#include "view/text_boxes.h"
#include "view/value_scroll_bar.h"

#include <QRadioButton>

#include <array>

namespace velnorit::view {

// The controls that the number core and the graph view read and write. The
// window creates them in their containers; the view keeps only pointers.
struct GraphControls {
    std::array<QRadioButton*, 2> option1{}; // "+" and "-"
    ValueScrollBar* vscWurzel = nullptr;
    ValueScrollBar* vscAbs = nullptr;
    ValueScrollBar* vscNenner = nullptr;
    LabelBox* txtWurzel = nullptr;
    LabelBox* txtAbs = nullptr;
    LabelBox* txtNenner = nullptr;
    std::array<LabelBox*, 4> text1{}; // y top, x first, y bottom, x last
    ValueScrollBar* vscMaßstab = nullptr;
    ValueScrollBar* vscMassX = nullptr;
    ValueScrollBar* hscn = nullptr;
    MultiLineBox* text5 = nullptr; // the result list
    DrawingSurface* picContainer = nullptr;
    DrawingSurface* picGraph = nullptr;
    DrawingSurface* picLegende = nullptr;

    bool plusSelected() const { return option1[0]->isChecked(); }
    bool minusSelected() const { return option1[1]->isChecked(); }
};

} // namespace velnorit::view
