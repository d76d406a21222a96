#include "view/redraw_trace.h"

#include <algorithm>

namespace velnorit::view {

RedrawTrace::RedrawTrace() : sizes_(std::make_unique<std::array<std::uint32_t, kNumeratorSlots>>()) { sizes_->fill(0); }

void RedrawTrace::begin(std::size_t drawingSize) {
    lastStep_ = 0;
    (*sizes_)[0] = static_cast<std::uint32_t>(drawingSize);
}

void RedrawTrace::stepDone(int n, std::size_t drawingSize) {
    if (n < 1 || n > kLastDenominator) return;
    (*sizes_)[static_cast<std::size_t>(n)] = static_cast<std::uint32_t>(drawingSize);
    lastStep_ = n;
}

// Copied into the storage of the last redraw, which is mostly large enough.
void RedrawTrace::setRecordPlaces(const std::vector<RecordPlace>& places) { places_.assign(places.begin(), places.end()); }

std::size_t RedrawTrace::drawingSizeAfter(int n) const {
    return (*sizes_)[static_cast<std::size_t>(std::clamp(n, 0, lastStep_))];
}

std::size_t RedrawTrace::memoryBytes() const {
    return sizeof(*this) + sizeof(*sizes_) + places_.capacity() * sizeof(RecordPlace);
}

} // namespace velnorit::view
