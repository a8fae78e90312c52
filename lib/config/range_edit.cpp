#include "config/range_edit.h"

#include "base/number_text.h"
#include "config/profile_syntax.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

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

long Lowest(const RangeRule& rule) { return std::min(rule.first, rule.last); }
long Highest(const RangeRule& rule) { return std::max(rule.first, rule.last); }

RangeEditValue CommitNumber(const RangeRule& rule, long number) {
  number = std::clamp(number, Lowest(rule), Highest(rule));
  return {RangeEditText(rule, number), LinearMap(rule.rawBase, number, rule.first, rule.rawStep, rule.step)};
}

// The typed number rounded down to the step, or nothing when the text stands
// for off: empty, the off text, or a number that rounds down to 0.
std::optional<long> NumberUnlessOff(const RangeRule& rule, std::string_view text, std::string_view offText) {
  const std::string_view typed = TrimBlanks(text);
  if (typed.empty() || typed == TrimBlanks(offText)) return std::nullopt;
  if (!rule.usable()) return 0;
  const long number = RoundedDown(rule, TypedNumber(rule, typed));
  if (number == 0) return std::nullopt;
  return number;
}

// The spin step of a number already rounded down to the step.
long SteppedNumber(const RangeRule& rule, long number, SpinStep step) {
  const long low = Lowest(rule);
  const long high = Highest(rule);
  if (step == SpinStep::Up) return low <= number && number < high ? std::min(number + rule.step, high) : low;
  return low < number && number <= high ? std::max(number - rule.step, low) : high;
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
  const std::optional<long> number = NumberUnlessOff(rule, text, offText);
  if (!number) return {std::string(offText), 0};
  if (!rule.usable()) return {std::string(text), 0};
  return CommitNumber(rule, *number);
}

std::string ShowRangeEditWithOff(const RangeRule& rule, long raw, std::string_view offText) {
  if (raw == 0) return std::string(offText);
  return ShowRangeEdit(rule, raw);
}

RangeEditValue StepRangeEdit(const RangeRule& rule, std::string_view text, SpinStep step) {
  if (!rule.usable()) return CommitRangeEdit(rule, text);
  return CommitNumber(rule, SteppedNumber(rule, RoundedDown(rule, TypedNumber(rule, text)), step));
}

RangeEditValue StepRangeEditWithOff(const RangeRule& rule, std::string_view text, SpinStep step,
                                    std::string_view offText) {
  if (!rule.usable()) return CommitRangeEditWithOff(rule, text, offText);
  const bool up = step == SpinStep::Up;
  const std::optional<long> number = NumberUnlessOff(rule, text, offText);
  if (!number) return CommitNumber(rule, up ? Lowest(rule) : Highest(rule));
  if (*number == (up ? Highest(rule) : Lowest(rule))) return {std::string(offText), 0};
  return CommitNumber(rule, SteppedNumber(rule, *number, step));
}

}  // namespace vex
