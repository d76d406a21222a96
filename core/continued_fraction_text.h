#pragma once

#include "core/continued_fraction.h"

#include <string>
#include <vector>

namespace velnorit {

// The German lines that the window's box "Kettenbruch" and
// velnorit-liste --kettenbruch show for a target, for example
//   Ziel: (√5 + 0) / 2 ≈ 1.118033988750
//   Kettenbruch: [1; 8, 2, 8, 2, …]
//   Periode: (8, 2), Länge 2, ab a1
//   Näherungsbrüche bis zum Nenner 10000:
//     1/1 = 1
//     9/8 = 1.125
//     19/17 ≈ 1.117647058824
// Values are exact, rounded to 12 decimals where they do not end earlier
// ("=" for an exact value, "≈" for a rounded one). Long expansions are cut
// after 30 terms with "…"; the period line then still gives the length.
std::vector<std::string> continuedFractionLines(const TargetParameters& target);

// The first three of those lines: target, expansion and period, the period
// whole or, like the expansion, cut after 30 terms.
std::vector<std::string> continuedFractionHeadLines(const TargetParameters& target, bool wholePeriod);

// "= 1.125" or "≈ -0.381966011250" from the decimal digits of the value's
// magnitude times 10^12, already rounded: "=" for an exact value (trailing
// zeros dropped), "≈" for a rounded one.
std::string roundedDecimalText(bool negative, std::string scaledDigits, bool exact);

// The lines joined by the given line break.
std::string joinLines(const std::vector<std::string>& lines, const std::string& lineBreak);

} // namespace velnorit
