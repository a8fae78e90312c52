#include "config/radio_band.h"

#include "base/bcd.h"
#include "base/byte_order.h"

namespace vex {

int BcdEdgeToMhz(const uint8_t field[4]) {
  const uint32_t bcd = ReadBe32(std::span<const uint8_t, 4>(field, 4), 0);
  return static_cast<int>(UnpackBcd(bcd) / 100000);  // 100000 units of 10 Hz make 1 MHz
}

bool IsKnownBand(const RangeEntry& band) { return band.upper > 0 && band.lower <= band.upper; }

RangeEntry BandFromRadio(const uint8_t block[9]) {
  RangeEntry band;
  band.flags = block[0];
  band.lower = BcdEdgeToMhz(block + 1);
  band.upper = BcdEdgeToMhz(block + 5);
  band.lower2 = band.lower;
  band.upper2 = band.upper;
  return band;
}

}  // namespace vex
