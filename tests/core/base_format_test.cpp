// Result texts: integer digits, fixed notation and the 11-character exponent form.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "base/number_format.h"

namespace tolvane {
namespace {

TEST(FormatFixed, writes_decimals_without_leading_blanks) {
    struct {
        double x;
        int decimals;
        const char* text;
    } cases[] = {
        {10, 1, "10.0"},
        {0.5, 1, "0.5"},
        {0, 3, "0.000"},
        {1234.5678, 3, "1234.568"},
        {-2.5, 2, "-2.50"},
        {2.5, 0, "2"},
        {3.5, 0, "4"},
        {0.0005, 3, "0.001"},
        {-0.0004, 3, "0.000"},
        {-0.0, 3, "0.000"},
        {1e12, 2, "1000000000000.00"},
        {0.125, 6, "0.125000"},
        {99.9999, 3, "100.000"},
        {1.5, -2, "2"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatFixed(c.x, c.decimals), c.text) << c.x;
}

TEST(FormatFixed, ignores_the_process_locale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    EXPECT_EQ(formatFixed(1.5, 2), "1.50");
    EXPECT_EQ(formatExponent(12345), " 1.23E+0004");
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!german) GTEST_SKIP() << "no de_DE locale on this machine";
}

TEST(FormatFixed, marks_values_that_are_not_numbers) {
    EXPECT_EQ(formatFixed(std::nan(""), 3), "nan");
    EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity(), 3), "-inf");
}

TEST(FormatExponent, eleven_characters) {
    struct {
        double x;
        const char* text;
    } cases[] = {
        {12345, " 1.23E+0004"},   {0.0001234, " 1.23E-0004"}, {-12345, "-1.23E+0004"},
        {99990, " 1.00E+0005"},   {9.999, " 1.00E+0001"},     {1, " 1.00E+0000"},
        {0, " 0.00E+0000"},       {-0.0, " 0.00E+0000"},      {1.004e-7, " 1.00E-0007"},
        {6.02e23, " 6.02E+0023"}, {1e300, " 1.00E+0300"},     {-4.2e-300, "-4.20E-0300"},
        {1.235, " 1.24E+0000"},   {5e-324, " 4.94E-0324"},
    };
    for (const auto& c : cases) {
        std::string s = formatExponent(c.x);
        EXPECT_EQ(s, c.text) << c.x;
        EXPECT_EQ(s.size(), 11u) << c.x;
    }
    EXPECT_EQ(formatExponent(std::nan("")).size(), 11u);
}

TEST(CutTo, keeps_first_characters_whole) {
    struct {
        const char* text;
        std::size_t width;
        const char* cut;
    } cases[] = {
        {"Water", 3, "Wat"}, {"Water", 5, "Water"}, {"Water", 9, "Water"}, {"", 2, ""},
        {"m³/h", 2, "m³"},   {"°C", 1, "°"},        {"Wasser", 0, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(cutTo(c.text, c.width), c.cut) << c.text;
}

}  // namespace
}  // namespace tolvane
