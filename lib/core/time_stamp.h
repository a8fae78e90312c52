// The 8-byte programming time stamp: second, minute, hour, day, month,
// year modulo 100, century, 0 — each a plain binary byte.
#pragma once

#include <array>
#include <cstdint>

namespace vex {

using TimeStamp = std::array<std::uint8_t, 8>;

TimeStamp MakeTimeStamp(int year, int month, int day, int hour, int minute, int second);
// The stamp of the computer's local time now.
TimeStamp LocalTimeStamp();

}  // namespace vex
