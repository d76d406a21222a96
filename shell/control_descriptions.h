#pragma once

#include "view/form_controls.h"

namespace velnorit::shell {

// Gives every control of the window what a screen reader says of it and
// what its tooltip shows: its name, a description where the name is not
// enough, and a short German tooltip. The one place where these texts are
// written; run once, after the controls are created. The tooltip of the four
// colour boxes and the missing one of the pen colour box stay as they are.
void describeControls(const view::FormControls& controls);

} // namespace velnorit::shell
