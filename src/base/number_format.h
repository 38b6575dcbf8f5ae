// Writing numbers: fixed notation with d decimals and no leading blanks, and
// the 11-character exponent form " 1.23E+0004" used for large results.
#pragma once

#include <string>

namespace tolvane {

// x in fixed notation with `decimals` decimals, '.' as the point, no leading blanks.
std::string formatFixed(double x, int decimals);

// x as a blank or minus sign, one digit, '.', two digits, 'E', sign and four
// exponent digits: 12345 -> " 1.23E+0004" (always 11 characters; one fewer
// for each mantissa digit fewer).
std::string formatExponent(double x, int mantissaDecimals = 2);

// The first `width` characters of text.
std::string cutTo(const std::string& text, std::size_t width);

}  // namespace tolvane
