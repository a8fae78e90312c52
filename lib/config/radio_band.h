#pragma once

#include "base/range_entry.h"

#include <cstdint>

namespace vex {

// The band a radio reports in its 9-byte band block: byte 0 the flags, bytes
// 1..4 the lower and bytes 5..8 the upper edge, each eight BCD digits (most
// significant first) in units of 10 Hz, cut to whole MHz. FF FF FF FF gives 0.
RangeEntry BandFromRadio(const uint8_t block[9]);

// False for the band of a radio that did not report one (its band item went
// unanswered, or its edges read as 0): such a band must reach no file, no
// catalogue and no settings.
bool IsKnownBand(const RangeEntry& band);

// One edge field: BCD digits in 10 Hz units to whole MHz. The digits are read
// as a decimal number up to the first nibble that is not a decimal digit.
int BcdEdgeToMhz(const uint8_t field[4]);

}  // namespace vex
