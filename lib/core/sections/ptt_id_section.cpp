#include "core/sections/ptt_id_section.h"

#include <algorithm>
#include <cstdio>

namespace vex {
namespace {

// Each of the lowest `digits` hexadecimal digits of value capped at `most`.
unsigned CapDigits(unsigned value, int digits, unsigned most) {
  for (int i = 0; i < digits; ++i) {
    const int shift = 4 * i;
    if (((value >> shift) & 0xFu) > most) value = (value & ~(0xFu << shift)) | (most << shift);
  }
  return value;
}

// The leading hexadecimal digits of text, at most `digits` of them; nothing
// read gives 0.
unsigned ReadHex(std::string_view text, std::size_t digits, bool* empty) {
  unsigned value = 0;
  std::size_t used = 0;
  for (char c : text) {
    const int digit = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : -1;
    if (digit < 0 || used == digits) break;
    value = value << 4 | static_cast<unsigned>(digit);
    ++used;
  }
  *empty = used == 0;
  return value;
}

std::string Hex(unsigned value, int digits) {
  char text[12];
  std::snprintf(text, sizeof text, "%0*X", digits, value);
  return text;
}

}  // namespace

std::string PttIdSection::primaryIdText(std::uint16_t id) {
  unsigned value = CapDigits(std::min<unsigned>(id, 0xDEEE), 3, 0xE);
  return Hex(value == 0 ? 1 : value, 4);
}

std::string PttIdSection::typedPrimaryId(std::string_view typed) {
  bool empty = false;
  unsigned value = ReadHex(typed, 4, &empty);
  if (empty) return Hex(1, 4);
  value = CapDigits(value, 3, 0xE);
  if ((value >> 12) > 0xD) value = (value & 0x0FFF) | 0xD000;
  return Hex(value == 0 ? 1 : value, 4);
}

std::string PttIdSection::typedGroupId(std::string_view typed) {
  bool empty = false;
  unsigned value = ReadHex(typed, 3, &empty);
  value = CapDigits(value, 3, 0xE);
  return Hex(empty || value == 0 ? 1 : value, 3);
}

}  // namespace vex
