#pragma once

#include <cstdint>
#include <optional>

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// Tuning values: one 2-byte value (high byte first) per tuning sub-item.
// Only reset() gives the defaults; a new section is zero.
//
// Each tuning item has a base code (0x8000, 0x8010, ...) and up to fifteen
// sub-items, codes base + 0 .. base + 14: five wide, five middle, five
// narrow. The items of kAdjustItems own 30-byte slots, in table order, from
// the start of the section; sub-item k of item i lies at 30·i + 2·k. Codes of
// other items have no place in the section.
class AdjustSection : public SectionBuffer<layout::kAdjust.length> {
 public:
  static constexpr std::size_t kSubItems = 15;
  static constexpr std::size_t kValueSize = 2;
  static constexpr std::size_t kSlotSize = kSubItems * kValueSize;

  // Every byte 0xFF, as in an untuned radio's erased memory.
  void reset();

  // Offset of the sub-item's value, none for a code without a place.
  static std::optional<std::size_t> positionOf(std::uint16_t code);
  // The value of a placed sub-item, none for others.
  std::optional<std::uint16_t> value(std::uint16_t code) const;
  // Writes the value of a placed sub-item; false (nothing written) for others.
  bool setValue(std::uint16_t code, std::uint16_t value);
};

// The tuning items with a place in the adjustment values, in slot order:
// reference oscillator, TX power high and low, modulation wide and narrow,
// two spare transmit items, squelch open and close, RX sensitivity, two spare
// receive items, battery threshold and three spare items.
inline constexpr std::uint16_t kAdjustItems[] = {0x8000, 0x8010, 0x8020, 0x8030, 0x8040, 0x8050, 0x8060, 0x8300, 0x8310,
                                                 0x8320, 0x8330, 0x8340, 0x8480, 0x8490, 0x84A0, 0x84B0, 0x84C0};
static_assert(std::size(kAdjustItems) * AdjustSection::kSlotSize <= layout::kAdjust.length);

}  // namespace vex
