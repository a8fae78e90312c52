// Tuning items and their sub-items. An item has a base code and 16 flag
// bits: bits 0-4 mark the wide sub-items (codes base + 0..4), bits 5-9 the
// middle ones (base + 5..9), bits 10-14 the narrow ones (base + 10..14); bit
// 15 says the item is tuned with the volume control instead of the
// transmitter.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vex {

struct TuneItem {
  std::uint16_t code = 0;
  std::uint16_t flags = 0;
  std::string text;  // the list text, also the tuning dialog's title
  bool operator==(const TuneItem&) const = default;
};

// The channel spacing a group of sub-items is tuned for; the numbers are the
// dialog kinds that open on that group.
enum class Spacing { Narrow = 0, Middle = 1, Wide = 2 };

inline constexpr std::size_t kSubItemsPerGroup = 5;
inline constexpr std::uint16_t kVolumeFlag = 0x8000;
// The code the volume control writes.
inline constexpr std::uint16_t kVolumeCode = 0x850B;
inline constexpr int kVolumeMax = 255;

// Whether sub-item k (0..4) of the spacing's group is present.
bool HasSubItem(std::uint16_t flags, Spacing spacing, std::size_t k);
bool HasGroup(std::uint16_t flags, Spacing spacing);
// base + 0..4 wide, + 5..9 middle, + 10..14 narrow.
std::uint16_t SubItemCode(std::uint16_t item, Spacing spacing, std::size_t k);
// The spacing the dialog starts with: wide when it has sub-items, else
// middle when it has, else narrow (also when there are none at all).
Spacing StartSpacing(std::uint16_t flags);
// The code of the first sub-item present, none when the item has none.
std::optional<std::uint16_t> FirstSubItem(const TuneItem& item);
// The largest value of the item's sub-items: 1474 for the reference
// oscillator, TX power low, both modulations and the battery threshold,
// else 255.
int TuneValueMax(std::uint16_t item);
// The output the "TX On" switch drives for a sub-item: 'b' for the receiver
// items 0x8300..0x848F, 'a' for the transmitter items.
std::uint8_t OutputSelector(std::uint16_t subItem);
// The five-point frequency (0..4) a sub-item is tuned on.
std::size_t FivePointOf(std::uint16_t item, std::uint16_t subItem);

}  // namespace vex
