// Frequencies are stored as eight BCD digits, one decimal digit per nibble,
// most significant digit in the top nibble.
#pragma once

#include <cstdint>

namespace vex {

inline constexpr std::uint32_t kBcdMaxDecimal = 99999999;

// Packs a decimal number (0..99999999) into eight BCD nibbles; larger values
// are cut to the eight lowest digits.
std::uint32_t PackBcd(std::uint32_t decimal);

// Reads BCD nibbles as a decimal number from the top nibble down, stopping at
// the first nibble that is not a decimal digit.
std::uint32_t UnpackBcd(std::uint32_t bcd);

}  // namespace vex
