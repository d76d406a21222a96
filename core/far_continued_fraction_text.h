#pragma once

#include "core/far_records.h"
#include "core/record_table.h"

#include <string>
#include <vector>

namespace velnorit {

// The lines of velnorit-liste --kettenbruch and of the window "Kettenbruch"
// for the denominators up to limit: target, expansion and period (the period
// whole or cut after 30 terms), "Näherungsbrüche bis zum Nenner <limit>:"
// with one line per convergent, then the Pell equation of W, for example
//   Pellsche Gleichung x² - 61·y² = 1: kleinste Lösung x = 1766319049, y = 226153980
//   Pellsche Gleichung x² - 61·y² = -1: kleinste Lösung x = 29718, y = 3805
// and, where records of the list have k = -1 or k = 1, which they are:
//   Rekorde mit k = 1 lösen x² - 61·y² = -1 mit x = p, y = n: 29718/3805
std::vector<std::string> farContinuedFractionLines(const TargetParameters& target, const DenominatorLimit& limit,
                                                   const std::vector<FarRecord>& records, bool wholePeriod);

// The Pell lines alone.
std::vector<std::string> pellEquationLines(const TargetParameters& target, const std::vector<FarRecord>& records);

// The continued fraction's part of the JSON form.
ContinuedFractionData continuedFractionData(const TargetParameters& target, const DenominatorLimit& limit);

} // namespace velnorit
