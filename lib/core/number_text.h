// Locale-independent reading and writing of the numbers shown in channel
// fields. Reading takes the longest numeric prefix after leading blanks, as
// the classic C conversions do, and gives 0 when there is none.
#pragma once

#include <string>
#include <string_view>

namespace vex {

// A decimal number with '.' as separator; 0 for no number or a non-finite one.
double ParseLeadingDouble(std::string_view text);

// A decimal integer, saturated to the int range.
long ParseLeadingInteger(std::string_view text);

// `value` / 10^decimals written with exactly `decimals` digits after the '.'.
std::string FormatScaled(unsigned long value, int decimals);

}  // namespace vex
