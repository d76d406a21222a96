#pragma once

#include "core/scan.h"
#include "core/target.h"
#include "../support/target_controls.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace velnorit::testing {

// Records what a scan reports, in order.
struct ScanEvent {
    enum class Kind { Record, NoRecord, Improvement, StepEnd } kind;
    Side side;
    int n;
    Record record;
};

class ScanTrace : public ScanListener {
public:
    std::vector<ScanEvent> events;

    void onRecord(const Record& r, const WindowState& s) override { add(ScanEvent::Kind::Record, r.side, s, r); }
    void onNoRecord(Side side, const WindowState& s) override { add(ScanEvent::Kind::NoRecord, side, s, {}); }
    void onAbsoluteImprovement(const Record& r, const WindowState& s) override {
        add(ScanEvent::Kind::Improvement, r.side, s, r);
    }
    void onStepEnd(const WindowState& s) override { add(ScanEvent::Kind::StepEnd, Side::Lower, s, {}); }

    std::vector<Record> records(Side side) const {
        std::vector<Record> result;
        for (const ScanEvent& e : events)
            if (e.kind == ScanEvent::Kind::Record && e.side == side) result.push_back(e.record);
        return result;
    }
    bool isImprovement(Side side, int n) const {
        for (const ScanEvent& e : events)
            if (e.kind == ScanEvent::Kind::Improvement && e.side == side && e.n == n) return true;
        return false;
    }

private:
    void add(ScanEvent::Kind kind, Side side, const WindowState& s, const Record& r) {
        events.push_back({kind, side, *s.n, r});
    }
};

struct Target {
    int wurzel = 5;
    int abs = 0;
    int nenner = 2;
    bool minus = false;
};

inline ScanParameters scanParametersFor(WindowState& state, const Target& t, double yScale = 100 / std::pow(1.4, 3)) {
    const TargetControls controls = targetControls(t.wurzel, t.abs, t.nenner, t.minus);
    computeTarget(state, controls);
    ScanParameters p;
    p.target = *state.target;
    p.yScale = yScale;
    p.scanSign = t.minus ? -1 : 1;
    p.wurzel = controls.wurzel;
    p.abs = controls.abs;
    p.nenner = controls.nenner;
    return p;
}

} // namespace velnorit::testing
