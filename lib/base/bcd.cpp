#include "base/bcd.h"

namespace vex {

std::uint32_t PackBcd(std::uint32_t decimal) {
  std::uint32_t packed = 0;
  for (int shift = 0; shift < 32; shift += 4) {
    packed |= (decimal % 10) << shift;
    decimal /= 10;
  }
  return packed;
}

std::uint32_t UnpackBcd(std::uint32_t bcd) {
  std::uint32_t decimal = 0;
  for (int shift = 28; shift >= 0; shift -= 4) {
    const std::uint32_t digit = (bcd >> shift) & 0x0F;
    if (digit > 9) {
      break;
    }
    decimal = decimal * 10 + digit;
  }
  return decimal;
}

}  // namespace vex
