#include "config/radio_band.h"

namespace vex {

int BcdEdgeToMhz(const uint8_t field[4]) {
    long value = 0;
    for (int i = 0; i < 8; ++i) {
        const int nibble = (i % 2 == 0) ? field[i / 2] >> 4 : field[i / 2] & 0x0F;
        if (nibble > 9) break;
        value = value * 10 + nibble;
    }
    return static_cast<int>(value / 100000);  // 100000 units of 10 Hz make 1 MHz
}

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
