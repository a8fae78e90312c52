#include "link/tune_items.h"

namespace vex {
namespace {

// Group index of a spacing: wide 0, middle 1, narrow 2.
std::size_t GroupOf(Spacing spacing) { return 2 - static_cast<std::size_t>(spacing); }

}  // namespace

bool HasSubItem(std::uint16_t flags, Spacing spacing, std::size_t k) {
  return k < kSubItemsPerGroup && (flags & (1u << (GroupOf(spacing) * kSubItemsPerGroup + k))) != 0;
}

bool HasGroup(std::uint16_t flags, Spacing spacing) {
  for (std::size_t k = 0; k < kSubItemsPerGroup; ++k) {
    if (HasSubItem(flags, spacing, k)) return true;
  }
  return false;
}

std::uint16_t SubItemCode(std::uint16_t item, Spacing spacing, std::size_t k) {
  return static_cast<std::uint16_t>(item + GroupOf(spacing) * kSubItemsPerGroup + k);
}

Spacing StartSpacing(std::uint16_t flags) {
  if (HasGroup(flags, Spacing::Wide)) return Spacing::Wide;
  if (HasGroup(flags, Spacing::Middle)) return Spacing::Middle;
  return Spacing::Narrow;
}

std::optional<std::uint16_t> FirstSubItem(const TuneItem& item) {
  for (Spacing spacing : {Spacing::Wide, Spacing::Middle, Spacing::Narrow}) {
    for (std::size_t k = 0; k < kSubItemsPerGroup; ++k) {
      if (HasSubItem(item.flags, spacing, k)) return SubItemCode(item.code, spacing, k);
    }
  }
  return std::nullopt;
}

int TuneValueMax(std::uint16_t item) {
  switch (item) {
    case 0x8000:
    case 0x8020:
    case 0x8030:
    case 0x8040:
    case 0x8480: return 1474;
    default: return 255;
  }
}

std::uint8_t OutputSelector(std::uint16_t subItem) { return subItem >= 0x8300 && subItem <= 0x848F ? 'b' : 'a'; }

std::size_t FivePointOf(std::uint16_t item, std::uint16_t subItem) {
  return static_cast<std::size_t>(static_cast<std::uint16_t>(subItem - item)) % 5;
}

}  // namespace vex
