#pragma once

#include <string>

namespace velnorit::testing {

// The settings the list depends on, as the user sees them on the controls.
struct ListSettings {
    int wurzel = 5;
    int abs = 0;
    int nenner = 2;
    bool minus = false;
    int zoomStep = 3;
};

// The list box's text after a redraw with these settings, computed by the
// number core alone (target, scan and list builder), without any window.
std::string expectedList(const ListSettings& settings);

} // namespace velnorit::testing
