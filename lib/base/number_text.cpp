#include "base/number_text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace vex {

namespace {

std::string_view SkipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n' ||
                             text[i] == '\v' || text[i] == '\f')) {
    ++i;
  }
  return text.substr(i);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the leading integer and tells how many characters it used.
std::optional<long long> ReadInteger(std::string_view text, std::size_t& used) {
  const std::string_view start = SkipBlanks(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < start.size() && (start[i] == '+' || start[i] == '-')) {
    negative = start[i] == '-';
    ++i;
  }
  if (i >= start.size() || !IsDigit(start[i])) return std::nullopt;
  long long value = 0;
  for (; i < start.size() && IsDigit(start[i]); ++i) {
    const int digit = start[i] - '0';
    if (value > (LLONG_MAX - digit) / 10)
      value = LLONG_MAX;
    else
      value = value * 10 + digit;
  }
  used = static_cast<std::size_t>(start.data() - text.data()) + i;
  return negative ? -value : value;
}

}  // namespace

std::optional<long long> ParseLeadingLong(std::string_view text, std::size_t* used) {
  std::size_t count = 0;
  const auto value = ReadInteger(text, count);
  if (used != nullptr) *used = count;
  return value;
}

std::optional<int> ParseLeadingInt(std::string_view text) {
  const auto value = ParseLeadingLong(text);
  if (!value) return std::nullopt;
  return static_cast<int>(std::clamp<long long>(*value, INT_MIN, INT_MAX));
}

std::optional<double> ParseLeadingReal(std::string_view text) {
  std::string_view start = SkipBlanks(text);
  bool negative = false;
  if (!start.empty() && (start.front() == '+' || start.front() == '-')) {
    negative = start.front() == '-';
    start.remove_prefix(1);
  }
  // Only plain decimal notation: from_chars alone would accept "inf" and "nan".
  if (start.empty() || !(IsDigit(start.front()) || (start.front() == '.' && start.size() > 1 && IsDigit(start[1])))) {
    return std::nullopt;
  }
  double value = 0;
  const auto result = std::from_chars(start.data(), start.data() + start.size(), value, std::chars_format::general);
  if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

std::string FormatInteger(long long value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string FormatFixed(double value, int decimals) {
  if (decimals < 0) decimals = 0;
  char buffer[512];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return {};
  return std::string(buffer, result.ptr);
}

std::string FormatScaled(unsigned long value, int decimals) {
  unsigned long divisor = 1;
  for (int i = 0; i < decimals; ++i) {
    divisor *= 10;
  }
  std::string text = std::to_string(value / divisor);
  if (decimals > 0) {
    const std::string fraction = std::to_string(value % divisor);
    text += '.';
    text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    text += fraction;
  }
  return text;
}

}  // namespace vex
