#pragma once

#include "core/scan.h"
#include "core/target.h"

#include <string>
#include <string_view>
#include <vector>

// What the graph shows, in words for a screen reader: the target as formula
// and value, the window of denominators drawn, and the records in it.
namespace velnorit {

// A record as the graph's description names it.
struct WindowRecord {
    Side side = Side::Lower;
    long long numerator = 0;
    int denominator = 0;
    bool improvement = false; // an absolute improvement, starred in the list
    bool operator==(const WindowRecord&) const = default;
};

// The records that a redraw with these controls finds, in the order of the
// list, whose denominators lie from first to last. The same scan as the
// list's, so that the two never disagree.
std::vector<WindowRecord> recordsInWindow(const TargetControls& controls, int first, int last);

// The graph's description, for example
//   "Ziel (√5 + 0) / 2 ≈ 1,11803398874989. Nenner 1 bis 701. 9 Rekorde in
//    diesem Fenster: 1/1 unten, absolute Verbesserung; 2/1 oben; …"
// Numbers in the user's decimal separator, as a screen reader reads them in
// the user's language. "=" where the value is exact, "≈" where it is cut.
std::string graphDescription(const TargetControls& controls, int first, int last,
                             const std::vector<WindowRecord>& records, std::string_view decimalSeparator);

} // namespace velnorit
