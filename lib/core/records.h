// The fixed-size byte records of the four record areas, held in container
// byte order. Their accessors read and write the schema's fields.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/image_layout.h"

namespace vex {

template <std::size_t N>
struct ByteRecord {
  static constexpr std::size_t kSize = N;
  std::array<std::uint8_t, N> bytes{};

  std::span<std::uint8_t> span() { return bytes; }
  std::span<const std::uint8_t> span() const { return bytes; }
  void fill(std::uint8_t value) { bytes.fill(value); }
};

struct ChannelRecord : ByteRecord<layout::kChannelArea.recordSize> {
  std::uint32_t rxFrequency() const;  // BCD
  std::uint32_t txFrequency() const;
  void setRxFrequency(std::uint32_t bcd);
  void setTxFrequency(std::uint32_t bcd);
  std::uint16_t rxTone() const;  // tone words
  std::uint16_t txTone() const;
  void setRxTone(std::uint16_t word);
  void setTxTone(std::uint16_t word);
  std::uint8_t rxStepCode() const;
  std::uint8_t txStepCode() const;
  void setStepCodes(std::uint8_t rx, std::uint8_t tx);
  int spacingIndex() const;  // positions in the spacing and power lists
  int powerIndex() const;
  void setSpacingIndex(int index);
  void setPowerIndex(int index);
  std::uint8_t personalityIndex() const;  // 0-based personality position
  void setPersonalityIndex(std::uint8_t index);
  std::uint8_t scanListNumber() const;  // 1-based scan list number, 0 = none
  void setScanListNumber(std::uint8_t number);
  bool autoStartScan() const;
  void setAutoStartScan(bool on);
};

struct PersonalityRecord : ByteRecord<layout::kPersonalityArea.recordSize> {
  // Image addresses of the previous and the next record of the chain.
  std::uint16_t previousLink() const;
  std::uint16_t nextLink() const;
  void setLinks(std::uint16_t previous, std::uint16_t next);
};

inline constexpr std::size_t kScanListMembers = 16;

struct ScanListRecord : ByteRecord<layout::kScanListArea.recordSize> {
  // The channel number (1-based, 0 none) of the channel field that starts
  // at `offset`: the priority, further or designated channel or a member
  // slot. Other offsets read 0 and write nothing.
  std::uint16_t word(std::size_t offset) const;
  void setWord(std::size_t offset, std::uint16_t number);
  // Member slot 0..15.
  std::uint16_t member(std::size_t slot) const;
  void setMember(std::size_t slot, std::uint16_t number);
  std::uint8_t entryCount() const;
  void setEntryCount(std::uint8_t count);
  std::uint8_t txMode() const;
  std::uint8_t priorityMode() const;
};

struct AlertToneRecord : ByteRecord<layout::kAlertToneArea.recordSize> {};

}  // namespace vex
