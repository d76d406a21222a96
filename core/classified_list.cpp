#include "core/classified_list.h"

#include <cstdint>

namespace velnorit {

TargetParameters quadraticTargetFor(const TargetControls& controls) {
    return {controls.wurzel, controls.abs, controls.nenner, optionSign(controls.plusSelected, controls.minusSelected)};
}

ClassifiedListBuilder::ClassifiedListBuilder(const TargetParameters& target)
    : fraction_(continuedFractionOf(target)) {}

// A record's mark follows its star, which comes after the record itself; so
// the mark is written at the next event of the scan.
void ClassifiedListBuilder::onRecord(const Record& record, const WindowState& state) {
    markPendingRecord();
    ResultListBuilder::onRecord(record, state);
    kinds_.push_back(classifyFraction(fraction_, static_cast<std::int64_t>(record.numerator), record.n));
    markPending_ = true;
}

void ClassifiedListBuilder::onNoRecord(Side side, const WindowState& state) {
    markPendingRecord();
    ResultListBuilder::onNoRecord(side, state);
}

void ClassifiedListBuilder::onStepEnd(const WindowState& state) {
    markPendingRecord();
    ResultListBuilder::onStepEnd(state);
}

void ClassifiedListBuilder::markPendingRecord() {
    if (!markPending_) return;
    markPending_ = false;
    switch (kinds_.back()) {
    case FractionKind::Convergent: text_ += " N"; break;
    case FractionKind::Intermediate: text_ += " Z"; break;
    case FractionKind::Neither: text_ += " ?"; break;
    }
}

std::string classifiedResultListFor(const TargetControls& controls) {
    ClassifiedListBuilder list(quadraticTargetFor(controls));
    scanFor(controls, list);
    return list.text();
}

} // namespace velnorit
