#pragma once

#include "core/integer_rules.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace velnorit {

inline constexpr int kLastDenominator = 10000;
inline constexpr std::size_t kNumeratorSlots = kLastDenominator + 1; // indexes 0..10000

// The variables of the main window, under the names every part of the
// program uses. A value that can still be Empty (never assigned) is an
// optional; Empty counts as 0 in arithmetic and as "" in text.
//
// The two numerator arrays have their full size from the start and every scan
// overwrites them in place; entry 0 is never written.
struct WindowState {
    std::optional<Integer> n;  // the scan's denominator; 10001 after a finished scan
    Integer sign = 0;          // +1 for "+", -1 for "-"; only used for target
    std::array<std::optional<double>, kNumeratorSlots> upperNum{}; // ceil(n*target), integral Doubles
    std::array<Long, kNumeratorSlots> lowerNum{};                  // floor(n*target)
    std::optional<float> lastX; // previous point of a free-hand stroke
    double lastY = 0;
    std::optional<double> upper;     // numerator, then the upper fraction value
    std::optional<double> upperClip; // upper fraction cut at the top of the view
    std::optional<double> lower;     // numerator, then the lower fraction value
    std::optional<double> lowerClip; // lower fraction cut at the bottom of the view
    std::optional<double> target;
    double yScale = 0;               // the view shows target -/+ yScale/100
    std::optional<double> nStart;    // first denominator of the visible window
    std::optional<float> startX;     // anchor of a slope line
    std::optional<float> startY;
    std::optional<bool> buttonDown;  // Empty counts as False
    std::string markText;            // UTF-8 copy of the marker text box

    // Array reads with the index check of the value rules: an index outside
    // 0..10000 raises the subscript-out-of-range error.
    double upperNumAt(long long index) const; // Empty reads as 0
    Long lowerNumAt(long long index) const;
};

// Empty counts as 0 in arithmetic.
inline double valueOf(const std::optional<double>& v) { return v.value_or(0.0); }

} // namespace velnorit
