#pragma once

#include "core/continued_fraction.h"
#include "core/result_list.h"

namespace velnorit {

// The target that these controls give, as computeTarget takes it.
TargetParameters quadraticTargetFor(const TargetControls& controls);

// The result list with each record line marked after everything else on it:
// " N" for a convergent (Näherungsbruch), " Z" for an intermediate fraction
// (Zwischenbruch), " ?" for neither (the theory says it never happens).
class ClassifiedListBuilder : public ResultListBuilder {
public:
    explicit ClassifiedListBuilder(const TargetParameters& target);
    void onRecord(const Record& record, const WindowState& state) override;
    void onNoRecord(Side side, const WindowState& state) override;
    void onStepEnd(const WindowState& state) override;

    // The kind of every record, in the order of the scan.
    const std::vector<FractionKind>& kinds() const { return kinds_; }

private:
    void markPendingRecord();

    ContinuedFraction fraction_;
    std::vector<FractionKind> kinds_;
    bool markPending_ = false;
};

std::string classifiedResultListFor(const TargetControls& controls);

} // namespace velnorit
