#pragma once

#include <string>

namespace velnorit::tools {

// What the readout reads at each move besides the fraction: target, and the
// three parameters and the sign for the Pell term.
struct ReadoutParameters {
    double target = 0;
    int wurzel = 0;
    int abs = 0;
    int nenner = 1;
    int sign = 0;
};

// The readout of the fraction p/q: the field's five lines joined by CR LF,
//   Str(p) " /" Str(q) " =" | Str(p/q) | "Ziel:" | Str(target) | "Gen.: 1/" Str(m) "   " Str(k)
// and the accuracy box " 1/" Str(m). Both are empty when p/q and target
// agree in every digit of their Str forms.
struct ReadoutTexts {
    std::string field;
    std::string accuracy;
};

ReadoutTexts readoutTexts(double numerator, float denominator, const ReadoutParameters& parameters);

} // namespace velnorit::tools
