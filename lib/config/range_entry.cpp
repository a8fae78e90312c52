#include "config/range_entry.h"

#include "config/number_text.h"

namespace vex {

std::string RangeText(int lower, int upper) { return FormatInteger(lower) + "-" + FormatInteger(upper); }

RangeEdges ParseRangeText(std::string_view text) {
    const IntegerPair pair = ScanIntegerPair(text);
    return {pair.first, pair.second};
}

}  // namespace vex
