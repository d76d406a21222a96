#include "core/far_continued_fraction_text.h"

#include "core/continued_fraction_text.h"

namespace velnorit {

namespace {

std::string equation(int wurzel, const char* right) {
    return "Pellsche Gleichung x² - " + std::to_string(wurzel) + "·y² = " + right + ": ";
}

std::string solutionText(const PellSolution& s) { return "kleinste Lösung x = " + s.x + ", y = " + s.y; }

// x = N p - sA n, the x that a record p/n gives: "p", "2·p", "p - n", "2·p + 3·n".
std::string recordX(const TargetParameters& t) {
    std::string x = t.nenner == 1 ? "p" : std::to_string(t.nenner) + "·p";
    const int shift = t.sign * t.abs;
    const int magnitude = shift > 0 ? shift : -shift;
    if (shift != 0) x += (shift > 0 ? " - " : " + ") + (magnitude == 1 ? "" : std::to_string(magnitude) + "·") + "n";
    return x;
}

} // namespace

std::vector<std::string> pellEquationLines(const TargetParameters& target, const std::vector<FarRecord>& records) {
    const int w = target.wurzel;
    if (w == 0) return {equation(w, "1") + "x = 1 mit jedem y, denn W ist 0"};
    const PellSolutions solutions = pellSolutionsOf(w);
    if (!solutions.plusOne)
        return {equation(w, "1") + "nur die triviale Lösung x = 1, y = 0, denn " + std::to_string(w) +
                " ist eine Quadratzahl"};
    std::vector<std::string> lines{equation(w, "1") + solutionText(*solutions.plusOne),
                                   equation(w, "-1") + (solutions.minusOne ? solutionText(*solutions.minusOne)
                                                                           : "keine Lösung, die Periode von √" +
                                                                                 std::to_string(w) + " ist gerade")};
    // A record p/n with k = W n^2 - x^2 and x = N p - sA n solves x^2 - W n^2 = -k.
    for (const char* k : {"-1", "1"}) {
        std::string solving;
        for (const FarRecord& r : records)
            if (r.pellTerm == k) solving += (solving.empty() ? "" : ", ") + r.numerator + "/" + r.denominator;
        if (!solving.empty())
            lines.push_back(std::string("Rekorde mit k = ") + k + " lösen x² - " + std::to_string(w) + "·y² = " +
                            (k[0] == '-' ? "1" : "-1") + " mit x = " + recordX(target) + ", y = n: " + solving);
    }
    return lines;
}

std::vector<std::string> farContinuedFractionLines(const TargetParameters& target, const DenominatorLimit& limit,
                                                   const std::vector<FarRecord>& records, bool wholePeriod) {
    std::vector<std::string> lines = continuedFractionHeadLines(target, wholePeriod);
    lines.push_back("Näherungsbrüche bis zum Nenner " + limit.digits + ":");
    for (const FarConvergent& c : farConvergents(target, limit))
        lines.push_back("  " + c.numerator + "/" + c.denominator + " " + c.value);
    for (std::string& line : pellEquationLines(target, records)) lines.push_back(std::move(line));
    return lines;
}

ContinuedFractionData continuedFractionData(const TargetParameters& target, const DenominatorLimit& limit) {
    const ContinuedFraction fraction = continuedFractionOf(target);
    ContinuedFractionData data;
    data.terms = fraction.terms;
    if (!fraction.finite()) data.periodStart = fraction.periodStart;
    data.convergents = farConvergents(target, limit);
    data.pell = pellSolutionsOf(target.wurzel);
    return data;
}

} // namespace velnorit
