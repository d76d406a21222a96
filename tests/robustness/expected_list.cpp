#include "expected_list.h"

#include "core/result_list.h"

namespace velnorit::testing {

std::string expectedList(const ListSettings& settings) {
    TargetControls controls;
    controls.plusSelected = !settings.minus;
    controls.minusSelected = settings.minus;
    controls.wurzel = static_cast<Integer>(settings.wurzel);
    controls.abs = static_cast<Integer>(settings.abs);
    controls.nenner = static_cast<Integer>(settings.nenner);
    return resultListFor(controls);
}

} // namespace velnorit::testing
