// Texts kept in fixed-length byte fields of the radio data.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>

namespace vex {

// The field's bytes up to its first 0 byte (all of them when there is none).
inline std::string TextOfField(std::span<const std::uint8_t> field) {
  const auto end = std::find(field.begin(), field.end(), 0);
  return std::string(field.begin(), end);
}

}  // namespace vex
