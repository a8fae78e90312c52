// The 8-byte programming time stamp: second, minute, hour, day, month,
// year modulo 100, century, 0 — each a plain binary byte.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace vex {

using TimeStamp = std::array<std::uint8_t, 8>;

TimeStamp MakeTimeStamp(int year, int month, int day, int hour, int minute, int second);
// The stamp of the computer's local time now.
TimeStamp LocalTimeStamp();
// Puts the stamp at its place in a whole memory image.
void WriteTimeStamp(std::span<std::uint8_t> image, const TimeStamp& stamp);

}  // namespace vex
