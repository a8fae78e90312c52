#include "config/option_list.h"

#include "base/number_text.h"
#include "config/profile_syntax.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace vex {

namespace {

constexpr int kMaxDecimals = 9;

// Seven integers separated by ':', each possibly preceded by blanks.
std::optional<RangeRule> ParseRangeRule(std::string_view item) {
  long numbers[7] = {};
  for (int k = 0; k < 7; ++k) {
    if (k > 0) {
      if (item.empty() || item.front() != ':') return std::nullopt;
      item.remove_prefix(1);
    }
    std::size_t used = 0;
    const auto value = ParseLeadingLong(item, &used);
    if (!value || *value < INT_MIN || *value > INT_MAX) return std::nullopt;
    numbers[k] = static_cast<long>(*value);
    item.remove_prefix(used);
  }
  RangeRule rule{numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5], static_cast<int>(numbers[6])};
  if (!rule.usable()) return std::nullopt;
  if (rule.decimals < 0) rule.decimals = 0;
  if (rule.decimals > kMaxDecimals) rule.decimals = kMaxDecimals;
  return rule;
}

std::optional<OptionPair> ParseValueItem(std::string_view item) {
  const std::size_t dot = item.find('.');
  if (dot == std::string_view::npos || dot == 0) return std::nullopt;
  std::string_view number = TrimBlanks(item.substr(0, dot));
  // The whole part before the dot must be the number ("2x.text" is no value item).
  std::string_view digits = number;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  const auto value = ParseLeadingLong(number);
  if (!value || *value < INT_MIN || *value > INT_MAX) return std::nullopt;
  return OptionPair{static_cast<long>(*value), std::string(item.substr(dot + 1))};
}

}  // namespace

long LinearMap(long base, long value, long origin, long numerator, long denominator) {
  if (denominator == 0) return base;
  using Wide = __int128;
  const Wide offset = (Wide{value} - origin) * numerator / denominator;
  return static_cast<long>(std::clamp<Wide>(Wide{base} + offset, LONG_MIN, LONG_MAX));
}

long RangeRule::count() const {
  if (!usable() || last < first) return 0;
  return (last - first) / step + 1;
}

std::string RangeRule::displayText(long n) const {
  if (divisor == 0) return FormatInteger(n);
  if (decimals > 0) return FormatFixed(static_cast<double>(n) / static_cast<double>(divisor), decimals);
  return FormatInteger(n / divisor);
}

OptionList OptionList::parse(std::string_view entry) {
  OptionList list;
  while (!entry.empty()) {
    const std::size_t semicolon = entry.find(';');
    const std::string_view item = entry.substr(0, semicolon);
    entry = semicolon == std::string_view::npos ? std::string_view() : entry.substr(semicolon + 1);
    // A value item whose text holds a colon ("3.Time: 5 s") stays a value item.
    std::optional<RangeRule> rule;
    if (item.find(':') != std::string_view::npos) rule = ParseRangeRule(item);
    if (rule) {
      list.items_.emplace_back(*rule);
    } else if (auto pair = ParseValueItem(item)) {
      list.items_.emplace_back(std::move(*pair));
    }
  }
  return list;
}

std::vector<OptionPair> OptionList::pairs() const {
  std::vector<OptionPair> result;
  for (const auto& item : items_) {
    if (const auto* pair = std::get_if<OptionPair>(&item)) {
      result.push_back(*pair);
      continue;
    }
    const RangeRule& rule = std::get<RangeRule>(item);
    const long count = std::min(rule.count(), kMaxRangePairs);
    for (long k = 0; k < count; ++k) {
      result.push_back({rule.rawBase + k * rule.rawStep, rule.displayText(rule.first + k * rule.step)});
    }
  }
  return result;
}

std::vector<OptionPair> OptionList::valueItems() const {
  std::vector<OptionPair> result;
  for (const auto& item : items_) {
    if (const auto* pair = std::get_if<OptionPair>(&item)) result.push_back(*pair);
  }
  return result;
}

std::string OptionList::valueToText(long raw) const {
  for (const auto& item : items_) {
    if (const auto* pair = std::get_if<OptionPair>(&item)) {
      if (pair->value == raw) return pair->text;
      continue;
    }
    const RangeRule& rule = std::get<RangeRule>(item);
    // Within the raw values of the rule's display numbers (either direction of raw step).
    const long rawEnd = LinearMap(rule.rawBase, rule.last, rule.first, rule.rawStep, rule.step);
    const long low = std::min(rule.rawBase, rawEnd);
    const long high = std::max(rule.rawBase, rawEnd);
    if (rule.last < rule.first || raw < low || raw > high) continue;
    return rule.displayText(LinearMap(rule.first, raw, rule.rawBase, rule.step, rule.rawStep));
  }
  return {};
}

long OptionList::textToValue(std::string_view text) const {
  for (const auto& item : items_) {
    if (const auto* pair = std::get_if<OptionPair>(&item)) {
      if (pair->text == text) return pair->value;
      continue;
    }
    const RangeRule& rule = std::get<RangeRule>(item);
    double number = 0;
    if (rule.decimals > 0) {
      const auto real = ParseLeadingReal(text);
      if (!real) continue;
      number = *real;
    } else {
      const auto integer = ParseLeadingLong(text);
      if (!integer) continue;
      number = static_cast<double>(*integer);
    }
    // The small addition keeps 1.5 * 10 from landing just below 15.
    const double scaled = std::trunc(static_cast<double>(rule.divisor) * number + 0.001);
    if (!std::isfinite(scaled) || std::fabs(scaled) > static_cast<double>(INT_MAX)) continue;
    return LinearMap(rule.rawBase, static_cast<long>(scaled), rule.first, rule.rawStep, rule.step);
  }
  return -1;
}

std::optional<RangeRule> OptionList::rangeRule() const {
  for (const auto& item : items_) {
    if (const auto* rule = std::get_if<RangeRule>(&item)) return *rule;
  }
  return std::nullopt;
}

}  // namespace vex
