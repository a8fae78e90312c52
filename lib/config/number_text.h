#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vex {

// Number reading and writing that does not depend on the process locale: the
// decimal point is always '.'.

// The decimal integer at the start of text after blanks, with an optional
// sign; digits stop at the first other character. Values beyond the range are
// clamped. Nothing when no digit follows.
std::optional<long long> ParseLeadingLong(std::string_view text);
std::optional<int> ParseLeadingInt(std::string_view text);

// The real number at the start of text after blanks ("1.5 s" reads 1.5).
// Nothing when no number follows or it is not finite.
std::optional<double> ParseLeadingReal(std::string_view text);

// "%d" of value.
std::string FormatInteger(long long value);

// "%.<decimals>f" of value in the C locale.
std::string FormatFixed(double value, int decimals);

// Two integers written "%d-%d" at the start of text, as a range text is scanned;
// a number that does not scan is 0.
struct IntegerPair {
    int first = 0;
    int second = 0;
};
IntegerPair ScanIntegerPair(std::string_view text);

}  // namespace vex
