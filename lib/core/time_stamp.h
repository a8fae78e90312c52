// The 8-byte programming time stamp: second, minute, hour, day, month,
// year modulo 100, century, 0 — each a plain binary byte.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace vex {

using TimeStamp = std::array<std::uint8_t, 8>;

TimeStamp MakeTimeStamp(int year, int month, int day, int hour, int minute, int second);
// The stamp of the computer's local time now.
TimeStamp LocalTimeStamp();
// Puts the stamp at its place in a whole memory image.
void WriteTimeStamp(std::span<std::uint8_t> image, const TimeStamp& stamp);

// "%Y-%m-%d %H:%M:%S" of a stamp's first six bytes (second, minute, hour,
// day, month, year - 2000). A byte out of its range shows as its fallback
// (year 2037, month 12, day 31, hour 0, minute 59, second 59), and so do
// bytes the stamp lacks: an erased stamp reads 2037-12-31 00:59:59.
std::string ProgrammingDateText(std::span<const std::uint8_t> stamp);

}  // namespace vex
