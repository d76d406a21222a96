#pragma once

#include "core/integer_rules.h"

namespace velnorit::lesson {

// Everything the user sets that decides what redraw draws, and where the
// graph is panned to: the three parameter bars, the sign options, the zoom,
// the window of denominators and the pan.
struct ViewSettings {
    Integer wurzel = 0;
    Integer abs = 0;
    Integer nenner = 1;
    bool plus = true;
    bool minus = false;
    Integer zoom = 0;    // vscMaßstab
    Integer xWindow = 0; // vscMassX
    Integer pan = 0;     // hscn
    bool operator==(const ViewSettings&) const = default;
};

} // namespace velnorit::lesson
