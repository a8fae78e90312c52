// The radio's frequency band as the model check decodes it, and the range
// text "lower-upper" in whole MHz that settings keep.
#pragma once

#include <cstdint>
#include <string>

namespace vex {

struct RadioBand {
    int lower = 0;        // MHz
    int upper = 0;        // MHz
    int lower2 = 0;
    int upper2 = 0;
    std::uint8_t flags = 0;
};

// "%d-%d" of the two edges.
std::string BandText(int lower, int upper);
// Scans "%d-%d"; false (and both 0) when the text does not scan.
bool ParseBandText(const std::string& text, int& lower, int& upper);

}  // namespace vex
