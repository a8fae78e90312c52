#include "config/range_edit.h"

#include "base/number_text.h"
#include "config/profile_syntax.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace vex {

namespace {

long FloorDiv(long long a, long long b) {
  long long q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return static_cast<long>(q);
}

// The typed text as a display number before rounding; 0 when it is no number.
long long TypedNumber(const RangeRule& rule, std::string_view text) {
  if (rule.decimals > 0) {
    // The edit shows number / divisor, so what it shows must read back the same.
    const auto real = ParseLeadingReal(text);
    if (!real) return 0;
    const double scaled = std::trunc(*real * static_cast<double>(rule.divisor) + 0.001);
    return static_cast<long long>(std::clamp(scaled, double(INT_MIN), double(INT_MAX)));
  }
  return std::clamp<long long>(ParseLeadingLong(text).value_or(0), INT_MIN, INT_MAX);
}

long RoundedDown(const RangeRule& rule, long long number) { return FloorDiv(number, rule.step) * rule.step; }

RangeEditValue CommitNumber(const RangeRule& rule, long number) {
  const long low = std::min(rule.first, rule.last);
  const long high = std::max(rule.first, rule.last);
  number = std::clamp(number, low, high);
  return {RangeEditText(rule, number), LinearMap(rule.rawBase, number, rule.first, rule.rawStep, rule.step)};
}

}  // namespace

long RangeEditNumberOfRaw(const RangeRule& rule, long raw) {
  if (!rule.usable()) return rule.first;
  return LinearMap(rule.first, raw, rule.rawBase, rule.step, rule.rawStep);
}

std::string RangeEditText(const RangeRule& rule, long number) {
  if (rule.decimals > 0) return rule.displayText(number);
  return FormatInteger(number);
}

RangeEditValue CommitRangeEdit(const RangeRule& rule, std::string_view text) {
  if (!rule.usable()) return {std::string(text), rule.rawBase};
  return CommitNumber(rule, RoundedDown(rule, TypedNumber(rule, text)));
}

std::string ShowRangeEdit(const RangeRule& rule, long raw) {
  return RangeEditText(rule, RangeEditNumberOfRaw(rule, raw));
}

RangeEditValue CommitRangeEditWithOff(const RangeRule& rule, std::string_view text, std::string_view offText) {
  const std::string_view typed = TrimBlanks(text);
  if (typed.empty() || typed == TrimBlanks(offText)) return {std::string(offText), 0};
  if (!rule.usable()) return {std::string(text), 0};
  const long number = RoundedDown(rule, TypedNumber(rule, typed));
  if (number == 0) return {std::string(offText), 0};
  return CommitNumber(rule, number);
}

std::string ShowRangeEditWithOff(const RangeRule& rule, long raw, std::string_view offText) {
  if (raw == 0) return std::string(offText);
  return ShowRangeEdit(rule, raw);
}

std::string SpinRangeEdit(const RangeRule& rule, std::string_view text, bool up) {
  if (!rule.usable()) return std::string(text);
  const long low = std::min(rule.first, rule.last);
  const long high = std::max(rule.first, rule.last);
  const long number = RoundedDown(rule, TypedNumber(rule, text));
  long next = 0;
  if (up)
    next = number >= low && number < high ? number + rule.step : low;
  else
    next = number > low && number <= high ? number - rule.step : high;
  return RangeEditText(rule, std::clamp(next, low, high));
}

std::string SpinRangeEditWithOff(const RangeRule& rule, std::string_view text, bool up, std::string_view offText) {
  if (!rule.usable()) return std::string(text);
  const long low = std::min(rule.first, rule.last);
  const long high = std::max(rule.first, rule.last);
  const std::string_view typed = TrimBlanks(text);
  const bool off = typed.empty() || typed == TrimBlanks(offText) || RoundedDown(rule, TypedNumber(rule, typed)) == 0;
  if (off) return RangeEditText(rule, up ? low : high);
  const long number = RoundedDown(rule, TypedNumber(rule, typed));
  if ((up && number >= high) || (!up && number <= low)) return std::string(offText);
  return SpinRangeEdit(rule, text, up);
}

}  // namespace vex
