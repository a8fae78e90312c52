#include "base/range_entry.h"

#include "base/number_text.h"

#include <algorithm>
#include <climits>

namespace vex {

std::string RangeText(int lower, int upper) { return FormatInteger(lower) + "-" + FormatInteger(upper); }

namespace {

int ClampToInt(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

}  // namespace

// Scans "%d-%d": the dash must follow the first number directly.
RangeEdges ParseRangeText(std::string_view text) {
  RangeEdges edges;
  std::size_t used = 0;
  const auto lower = ParseLeadingLong(text, &used);
  if (!lower) return edges;
  edges.lower = ClampToInt(*lower);
  text.remove_prefix(used);
  if (text.empty() || text.front() != '-') return edges;
  edges.upper = ClampToInt(ParseLeadingLong(text.substr(1)).value_or(0));
  return edges;
}

}  // namespace vex
