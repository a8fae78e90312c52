#include "core/sections/adjust_section.h"

#include <algorithm>

namespace vex {

void AdjustSection::reset() { buffer_.fill(layout::kErased); }

std::optional<std::size_t> AdjustSection::positionOf(std::uint16_t code) {
  // Item codes step by 16, so the sub-items of one item never reach the next.
  const std::uint16_t base = static_cast<std::uint16_t>(code & ~0x0Fu);
  const std::size_t sub = code & 0x0Fu;
  if (sub >= kSubItems) return std::nullopt;
  const auto item = std::find(std::begin(kAdjustItems), std::end(kAdjustItems), base);
  if (item == std::end(kAdjustItems)) return std::nullopt;
  return static_cast<std::size_t>(item - std::begin(kAdjustItems)) * kSlotSize + sub * kValueSize;
}

std::optional<std::uint16_t> AdjustSection::value(std::uint16_t code) const {
  const auto at = positionOf(code);
  if (!at) return std::nullopt;
  return static_cast<std::uint16_t>((buffer_[*at] << 8) | buffer_[*at + 1]);
}

bool AdjustSection::setValue(std::uint16_t code, std::uint16_t value) {
  const auto at = positionOf(code);
  if (!at) return false;
  buffer_[*at] = static_cast<std::uint8_t>(value >> 8);
  buffer_[*at + 1] = static_cast<std::uint8_t>(value & 0xFF);
  return true;
}

}  // namespace vex
