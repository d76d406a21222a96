#pragma once

#include <string>
#include <string_view>

// The two ways a number becomes text. Both are independent of the process
// locale: the digits come from std::to_chars, never from printf.
//
// Str form (list, pointer readout, slope label, printed numbers): one leading
// blank for zero and positive numbers, "-" for negative ones, "." as decimal
// point, no zero before the point of a number between -1 and 1 (" .5"),
// at most 15 significant digits for a Double and 7 for a Single without
// trailing zeros, and the exponent form below 0.0001 or from 10^15 (Double)
// or 10^7 (Single) on: " 1.23E-05", " 1E+15".
//
// Text form (numbers assigned to text boxes): no leading blank, the zero
// before the separator stays ("0.7536"), the given decimal separator.
namespace velnorit {

std::string strForm(double value);
std::string strFormSingle(float value);

std::string textForm(double value, std::string_view decimalSeparator);
std::string textFormSingle(float value, std::string_view decimalSeparator);

} // namespace velnorit
