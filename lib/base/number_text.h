// Locale-independent reading and writing of numbers: the decimal point is
// always '.'. Reading takes the longest numeric prefix after leading blanks,
// as the classic C conversions do; callers that want 0 for "no number" use
// value_or(0).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vex {

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

// `value` / 10^decimals written with exactly `decimals` digits after the '.',
// computed in integers so no rounding creeps in.
std::string FormatScaled(unsigned long value, int decimals);

}  // namespace vex
