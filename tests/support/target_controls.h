#pragma once

#include "core/target.h"

namespace velnorit::testing {

// What the parameter bars and the sign options read, for tests without a window.
inline TargetControls targetControls(int wurzel, int abs, int nenner, bool minus = false) {
    TargetControls controls;
    controls.plusSelected = !minus;
    controls.minusSelected = minus;
    controls.wurzel = static_cast<Integer>(wurzel);
    controls.abs = static_cast<Integer>(abs);
    controls.nenner = static_cast<Integer>(nenner);
    return controls;
}

} // namespace velnorit::testing
