#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vex {

// A raw value with its display text.
struct OptionPair {
  long value = 0;
  std::string text;
  bool operator==(const OptionPair&) const = default;
};

// Seven numbers "first:step:last:divisor:raw base:raw step:decimals": the
// display numbers first, first + step, ... up to last; the k-th has the raw
// value raw base + k * raw step and shows as number / divisor with the given
// decimals.
struct RangeRule {
  long first = 0;
  long step = 1;
  long last = 0;
  long divisor = 1;
  long rawBase = 0;
  long rawStep = 1;
  int decimals = 0;
  bool operator==(const RangeRule&) const = default;

  // Whether the rule can be used at all (no division by zero, steps forward).
  bool usable() const { return step > 0 && divisor != 0 && rawStep != 0; }
  // Number of display numbers, 0 when last lies below first.
  long count() const;
  // The display text of display number n: n / divisor with the decimals,
  // or the integer quotient when decimals is 0.
  std::string displayText(long n) const;
};

// base + (value - origin) * numerator / denominator (truncating), computed
// without overflow and saturated to the range of long: the conversions
// between raw values and display numbers of a range rule, whose numbers come
// from data.
long LinearMap(long base, long value, long origin, long numerator, long denominator);

// An option list as held in a label text: items separated by ";", each a
// value item "value.text" (split at the first dot, the text may hold more
// dots) or a range rule of seven numbers separated by ":". Items that are
// neither, and rules that would divide by zero, are left out.
class OptionList {
 public:
  static OptionList parse(std::string_view entry);

  bool empty() const { return items_.empty(); }

  // Every (value, text) pair in order; a range rule gives one per display number.
  std::vector<OptionPair> pairs() const;

  // Only the value items, in order (list boxes take these).
  std::vector<OptionPair> valueItems() const;

  // The text of the first item matching the raw value; "" when none does.
  std::string valueToText(long raw) const;

  // The raw value of the first item accepting the text; -1 when none does.
  long textToValue(std::string_view text) const;

  // The first range rule of the list, as range edits take their parameters.
  std::optional<RangeRule> rangeRule() const;

  // A range rule gives at most this many pairs, so a rule from data
  // cannot exhaust memory.
  static constexpr long kMaxRangePairs = 10000;

 private:
  std::vector<std::variant<OptionPair, RangeRule>> items_;
};

}  // namespace vex
