// The programming time stamp inside the radio information region.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>

namespace vex {

// Writes image bytes 32..39: second, minute, hour, day, month (1..12),
// year modulo 100, century, 0.
void WriteProgrammingTimeStamp(std::array<std::uint8_t, 8192>& image, const std::tm& local);
// The computer's local time now.
std::tm LocalTimeNow();

}  // namespace vex
