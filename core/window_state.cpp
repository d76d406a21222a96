#include "core/window_state.h"

#include "core/runtime_error.h"

namespace velnorit {

namespace {

std::size_t checkedIndex(long long index) {
    if (index < 0 || index > kLastDenominator) throw RuntimeError::subscriptOutOfRange();
    return static_cast<std::size_t>(index);
}

} // namespace

double WindowState::upperNumAt(long long index) const { return valueOf(upperNum[checkedIndex(index)]); }

Long WindowState::lowerNumAt(long long index) const { return lowerNum[checkedIndex(index)]; }

} // namespace velnorit
