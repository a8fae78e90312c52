#include "link/radio_band.h"

#include <cstdio>

namespace vex {

std::string BandText(int lower, int upper) {
    return std::to_string(lower) + "-" + std::to_string(upper);
}

bool ParseBandText(const std::string& text, int& lower, int& upper) {
    lower = 0;
    upper = 0;
    int lo = 0;
    int hi = 0;
    if (std::sscanf(text.c_str(), "%d-%d", &lo, &hi) != 2) return false;
    lower = lo;
    upper = hi;
    return true;
}

}  // namespace vex
