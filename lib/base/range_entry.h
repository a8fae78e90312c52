#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vex {

// One frequency range of a model, edges in whole MHz.
struct RangeEntry {
  int lower = 0;
  int upper = 0;
  int lower2 = 0;
  int upper2 = 0;
  uint8_t flags = 0;
  bool operator==(const RangeEntry&) const = default;
};

// The entry used where the catalogue has none: 136-174 MHz, flags 0x80.
inline constexpr RangeEntry kFallbackRange{136, 174, 136, 174, 128};

// The range text "lower-upper", e.g. "136-174".
std::string RangeText(int lower, int upper);

// The two edges of a range text; a number that does not scan is 0.
struct RangeEdges {
  int lower = 0;
  int upper = 0;
};
RangeEdges ParseRangeText(std::string_view text);

}  // namespace vex
