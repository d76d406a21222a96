#pragma once

#include "core/integer_rules.h"
#include "core/window_state.h"

namespace velnorit {

// What computeTarget reads from the controls: the option pair "+" / "-" and
// the three parameter scroll bars.
struct TargetControls {
    bool plusSelected = true;   // Option1(0) reads True
    bool minusSelected = false; // Option1(1) reads True
    Integer wurzel = 5;
    Integer abs = 0;
    Integer nenner = 2;
};

// target = (sqrt(Wurzel) + sign * Abs) / Nenner.
// sign becomes 1 for "+", then -1 for "-", and keeps its value when neither
// option reads True. sign * Abs is a 16-bit product; the sum and the division
// are checked Doubles. Every check comes before target is written, so an
// error leaves target as it was (sign keeps its new value).
void computeTarget(WindowState& state, const TargetControls& controls);

// The sign the scan, the list and the readout take afresh from the options:
// +1 for "+", then -1 for "-"; 0 when neither is selected.
int optionSign(bool plusSelected, bool minusSelected);

} // namespace velnorit
