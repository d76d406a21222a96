#pragma once

#include "core/integer_rules.h"
#include "core/window_state.h"

namespace velnorit {

enum class Side { Lower = 0, Upper = 1 };

// Inputs of one scan, fixed while it runs.
struct ScanParameters {
    double target = 0;
    double yScale = 0;
    int scanSign = 0; // +1 / -1 from the options, 0 when neither is selected
    Integer wurzel = 0;
    Integer abs = 0;
    Integer nenner = 1;
};

// A record: a fraction closer to target than every earlier one of its side.
struct Record {
    Side side = Side::Lower;
    int n = 0;
    double value = 0;               // the fraction, now the best of its side
    double numerator = 0;           // p, the entry n of lowerNum or upperNum
    double distance = 0;            // d = |value - target|, 0 when the fraction is target exactly
    bool hasAccuracy = false;       // d > 0, decided exactly
    double accuracyDenominator = 0; // m = floor(1/d), exact; only meaningful when hasAccuracy
    double pellAbsoluteTerm = 0;    // k
    Side previousSide = Side::Lower; // side of the record before this one (Lower at the start)
};

// What the graph and the list do at the fixed points of a scan step. Within
// one step the calls come in this order: a lower record (then its absolute
// improvement, if it is one) or no lower record; an upper record (then its
// absolute improvement) or no upper record; the end of the step.
//
// A record is reported after the best value of its side has been updated;
// the window state then holds n, upper, lower, upperClip and lowerClip of the
// step (upper and lower as fraction values).
class ScanListener {
public:
    virtual ~ScanListener() = default;
    virtual void onRecord(const Record& record, const WindowState& state) = 0;
    virtual void onNoRecord(Side side, const WindowState& state) = 0;
    virtual void onAbsoluteImprovement(const Record& record, const WindowState& state) = 0;
    virtual void onStepEnd(const WindowState& state) = 0;
};

// The approximant scan for n = 1..10000, always to the end. Writes n, upper,
// lower, upperClip, lowerClip and entries 1..10000 of upperNum and lowerNum.
// Allocates nothing.
void runScan(WindowState& state, const ScanParameters& parameters, ScanListener& listener);

} // namespace velnorit
