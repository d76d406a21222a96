#pragma once

#include "tools/pointer_tools.h"
#include "view/form_controls.h"

#include <QString>

namespace velnorit::shell {

// What a lesson keeps of the window beyond the graph and its board: the
// list shown or not, the marker text, the colour box and the tool in use.
struct WindowChoices {
    bool listShown = true;
    QString markerText;
    int colour = 0; // Picture2(0..3)
    int tool = 0;   // Option2(0..3)
    bool operator==(const WindowChoices&) const = default;
};

WindowChoices windowChoicesOf(const view::FormControls& controls);

// Makes the choices as the user would, so that every handler that follows
// from one (cursor, eraser square, markText) runs.
void applyWindowChoices(const view::FormControls& controls, tools::PointerTools& tools, const WindowChoices& choices);

} // namespace velnorit::shell
