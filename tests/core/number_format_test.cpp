#include "core/number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

namespace velnorit {
namespace {

struct StrCase {
    double value;
    const char* str;
};

// The examples of the value rules: leading blank, no zero before the point,
// 15 significant digits, and the switch to the exponent form.
const StrCase kStrCases[] = {
    {5, " 5"},
    {-5, "-5"},
    {-3, "-3"},
    {0, " 0"},
    {0.5, " .5"},
    {-0.25, "-.25"},
    {0.0001, " .0001"},
    {0.00001, " 1E-05"},
    {0.0000123, " 1.23E-05"},
    {-0.0000123, "-1.23E-05"},
    {123456789012345.0, " 123456789012345"},
    {1e15, " 1E+15"},
    {1.5e20, " 1.5E+20"},
    {1e100, " 1E+100"},
    {1.118033988749895, " 1.11803398874989"},
    {10.0 / 9.0, " 1.11111111111111"},
    {11.0 / 9.0, " 1.22222222222222"},
    {1.0 / 3.0, " .333333333333333"},
    {0.1 * 3, " .3"},               // 0.30000000000000004: 15 digits absorb the rounding
    {49 * (1.0 / 49), " 1"},        // 0.9999999999999999
    {999999999999999.9, " 1E+15"},  // rounds up into the exponent range
    {-0.0, " 0"},
};

TEST(StrForm, FollowsTheValueRules) {
    for (const StrCase& c : kStrCases) EXPECT_EQ(strForm(c.value), c.str) << "value " << c.value;
}

TEST(StrForm, SingleKeepsSevenDigits) {
    EXPECT_EQ(strFormSingle(1.0f / 3.0f), " .3333333");
    EXPECT_EQ(strFormSingle(-1.0f / 3.0f), "-.3333333");
    EXPECT_EQ(strFormSingle(9.0f), " 9");
    EXPECT_EQ(strFormSingle(1234567.0f), " 1234567");
    EXPECT_EQ(strFormSingle(10000000.0f), " 1E+07");
    EXPECT_EQ(strFormSingle(0.00005f), " 5E-05");
    // The same number as a Double shows its full 15 digits.
    EXPECT_EQ(strForm(static_cast<double>(1.0f / 3.0f)), " .333333343267441");
}

TEST(TextForm, HasNoBlankKeepsTheZeroAndUsesTheGivenSeparator) {
    EXPECT_EQ(textForm(5, ","), "5");
    EXPECT_EQ(textForm(-3, ","), "-3");
    EXPECT_EQ(textForm(0.7536, ","), "0,7536");
    EXPECT_EQ(textForm(1.4824, "."), "1.4824");
    EXPECT_EQ(textForm(-1.2346, ","), "-1,2346");
    EXPECT_EQ(textForm(1.118, ","), "1,118");
    EXPECT_EQ(textForm(0.0000123, ","), "1,23E-05");
    EXPECT_EQ(textForm(10201, ","), "10201");
    EXPECT_EQ(textFormSingle(2.5f, ","), "2,5");
}

// The process runs with the user's locale; a German one writes a decimal
// comma in printf. The Str form must not notice.
TEST(StrForm, IsTheSameUnderAGermanLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the de_DE.UTF-8 locale is not installed";
    const std::locale previousGlobal = std::locale::global(std::locale("de_DE.UTF-8"));
    char printed[32];
    std::snprintf(printed, sizeof printed, "%.1f", 0.5);
    EXPECT_STREQ(printed, "0,5") << "the German locale is not active";

    for (const StrCase& c : kStrCases) EXPECT_EQ(strForm(c.value), c.str) << "value " << c.value;
    EXPECT_EQ(strFormSingle(1.0f / 3.0f), " .3333333");
    EXPECT_EQ(textForm(0.7536, ","), "0,7536");
    EXPECT_EQ(textForm(0.7536, "."), "0.7536");

    std::locale::global(previousGlobal);
    std::setlocale(LC_ALL, previous.c_str());
}

} // namespace
} // namespace velnorit
