#pragma once

#include "view/colors.h"

#include <QString>

#include <functional>

namespace velnorit::view {

class DrawingSurface;

// Installs, once per program, the accessible interfaces of the program's own
// controls, through which a screen reader learns their names, roles, values
// and descriptions: the scroll bars report the value the program uses (not
// the inner position of Qt's bar, which runs the other way on the vertical
// bars), and the drawing surfaces say what they are. The text boxes are
// Qt's own line and text edits, whose interfaces Qt brings along. To be
// called before the first control is made: Qt keeps the interface it makes
// first for a control, and a bar tells of its value when it is made.
void installAccessibleControls();

// What a drawing surface is to a screen reader. A surface told nothing is a
// panel that holds other controls.
enum class SurfaceRole {
    Panel,
    Picture,      // shows something, as the legend
    ColourChoice, // a colour box that a click chooses; named by its colour
    ColourInUse,  // shows the pen colour: its name, then the colour
    Graph,        // described and read out through a SurfaceNarration
};
void setSurfaceRole(DrawingSurface& surface, SurfaceRole role);
SurfaceRole surfaceRole(const DrawingSurface& surface);

// The graph's words for a screen reader, computed only when one asks: the
// description of what it shows, and its text, which follows the readout.
struct SurfaceNarration {
    std::function<QString()> description;
    std::function<QString()> text;
};
void setSurfaceNarration(DrawingSurface& surface, SurfaceNarration narration);

// "Schwarz", "Gelb", "Rot", "Blau" for the colours of the drawing tools
// (either red), otherwise the colour's three numbers.
QString colourName(RgbValue colour);

} // namespace velnorit::view
