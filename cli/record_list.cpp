#include "cli/record_list.h"

#include "core/result_list.h"
#include "core/scan.h"

#include <cmath>
#include <memory>

namespace velnorit::cli {

std::string recordListFor(const TargetControls& controls) {
    auto state = std::make_unique<WindowState>();
    computeTarget(*state, controls);
    ScanParameters parameters;
    parameters.target = *state->target;
    parameters.yScale = 100 / std::pow(1.4, 3); // the start-up zoom; the list does not depend on it
    parameters.scanSign = optionSign(controls.plusSelected, controls.minusSelected);
    parameters.wurzel = controls.wurzel;
    parameters.abs = controls.abs;
    parameters.nenner = controls.nenner;
    ResultListBuilder list;
    runScan(*state, parameters, list);
    return list.text();
}

std::string asTerminalLines(const std::string& list) {
    std::string lines;
    lines.reserve(list.size() + 1);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == '\r' && i + 1 < list.size() && list[i + 1] == '\n') continue;
        lines += list[i];
    }
    return lines + '\n';
}

} // namespace velnorit::cli
