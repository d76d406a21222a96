#include "expected_list.h"

#include "core/result_list.h"
#include "core/scan.h"
#include "core/target.h"

#include <cmath>
#include <memory>

namespace velnorit::testing {

std::string expectedList(const ListSettings& settings) {
    TargetControls controls;
    controls.plusSelected = !settings.minus;
    controls.minusSelected = settings.minus;
    controls.wurzel = static_cast<Integer>(settings.wurzel);
    controls.abs = static_cast<Integer>(settings.abs);
    controls.nenner = static_cast<Integer>(settings.nenner);

    auto state = std::make_unique<WindowState>(); // two arrays of 10001 entries
    computeTarget(*state, controls);

    ScanParameters parameters;
    parameters.target = *state->target;
    parameters.yScale = 100 / std::pow(1.4, settings.zoomStep);
    parameters.scanSign = settings.minus ? -1 : 1;
    parameters.wurzel = controls.wurzel;
    parameters.abs = controls.abs;
    parameters.nenner = controls.nenner;
    ResultListBuilder list;
    runScan(*state, parameters, list);
    return list.text();
}

} // namespace velnorit::testing
