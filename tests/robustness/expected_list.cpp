#include "expected_list.h"

#include "../support/target_controls.h"
#include "core/result_list.h"

namespace velnorit::testing {

std::string expectedList(const ListSettings& settings) {
    return resultListFor(targetControls(settings.wurzel, settings.abs, settings.nenner, settings.minus));
}

} // namespace velnorit::testing
