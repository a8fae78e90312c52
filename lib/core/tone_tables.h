// The standard CTCSS tones and CDCSS codes every tone list is built from.
#pragma once

#include <array>

namespace vex {

// Tones in Hz.
extern const std::array<double, 50> kCtcssTones;
// Codes written as the decimal number whose digits are the octal code digits
// (code 023 is 23), so "%03d" shows the code.
extern const std::array<int, 104> kCdcssCodes;

// CTCSS: `value` in 0.1 Hz against the tones. CDCSS: `value` is the code's
// digit number (23 for 023) against the codes.
bool IsStandardTone(bool isCtcss, int value);

// A tone of the table in 0.1 Hz.
int CtcssTenths(double tone);

}  // namespace vex
