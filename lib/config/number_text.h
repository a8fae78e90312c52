#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vex {

// Number reading and writing that does not depend on the process locale: the
// decimal point is always '.'.

// The decimal integer at the start of text after blanks, with an optional
// sign; digits stop at the first other character. Values beyond the range are
// clamped. Nothing when no digit follows. used, when given, receives the
// number of characters read.
std::optional<long long> ParseLeadingLong(std::string_view text, std::size_t* used = nullptr);
std::optional<int> ParseLeadingInt(std::string_view text);

// The real number at the start of text after blanks ("1.5 s" reads 1.5).
// Nothing when no number follows or it is not finite.
std::optional<double> ParseLeadingReal(std::string_view text);

// "%d" of value.
std::string FormatInteger(long long value);

// "%.<decimals>f" of value in the C locale.
std::string FormatFixed(double value, int decimals);

}  // namespace vex
