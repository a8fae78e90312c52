// The fixed-size byte records of the four record areas, held in container
// byte order (big-endian image fields stored least significant byte first).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "base/byte_order.h"
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

struct ChannelRecord : ByteRecord<layout::kChannelRecordSize> {
  static constexpr std::size_t kRxFrequency = 4;
  static constexpr std::size_t kTxFrequency = 8;
  static constexpr std::size_t kRxTone = 12;
  static constexpr std::size_t kTxTone = 14;
  static constexpr std::size_t kStepCodes = 16;     // low nibble receive, high nibble transmit
  static constexpr std::size_t kSpacingPower = 17;  // low nibble spacing, high nibble power
  static constexpr std::size_t kPersonality = 18;   // 0-based personality position
  static constexpr std::size_t kScanList = 19;      // 1-based scan list number, 0 = none
  static constexpr std::size_t kFlags = 20;         // bit 6 auto start scan, bit 7 ATIS
  static constexpr std::size_t kMoreFlags = 21;
  static constexpr std::uint8_t kAutoStartScanBit = 0x40;  // in kFlags
  static constexpr std::uint8_t kAtisBit = 0x80;           // in kFlags

  std::uint32_t rxFrequency() const { return ReadLe32(bytes, kRxFrequency); }
  std::uint32_t txFrequency() const { return ReadLe32(bytes, kTxFrequency); }
  void setRxFrequency(std::uint32_t v) { WriteLe32(bytes, kRxFrequency, v); }
  void setTxFrequency(std::uint32_t v) { WriteLe32(bytes, kTxFrequency, v); }
  std::uint16_t rxTone() const { return ReadLe16(bytes, kRxTone); }
  std::uint16_t txTone() const { return ReadLe16(bytes, kTxTone); }
  void setRxTone(std::uint16_t v) { WriteLe16(bytes, kRxTone, v); }
  void setTxTone(std::uint16_t v) { WriteLe16(bytes, kTxTone, v); }
  std::uint8_t rxStepCode() const { return bytes[kStepCodes] & 0x0F; }
  std::uint8_t txStepCode() const { return bytes[kStepCodes] >> 4; }
  std::uint8_t spacingIndex() const { return bytes[kSpacingPower] & 0x0F; }
  std::uint8_t powerIndex() const { return bytes[kSpacingPower] >> 4; }
  std::uint8_t personalityIndex() const { return bytes[kPersonality]; }
  std::uint8_t scanListNumber() const { return bytes[kScanList]; }
};

struct PersonalityRecord : ByteRecord<layout::kPersonalityRecordSize> {
  static constexpr std::size_t kPreviousLink = 0;
  static constexpr std::size_t kNextLink = 2;

  std::uint16_t previousLink() const { return ReadLe16(bytes, kPreviousLink); }
  std::uint16_t nextLink() const { return ReadLe16(bytes, kNextLink); }
  void setLinks(std::uint16_t previous, std::uint16_t next) {
    WriteLe16(bytes, kPreviousLink, previous);
    WriteLe16(bytes, kNextLink, next);
  }
};

struct ScanListRecord : ByteRecord<layout::kScanListRecordSize> {
  static constexpr std::size_t kEntryCount = 4;
  static constexpr std::size_t kPriorityMode = 7;  // bits 0..1
  static constexpr std::size_t kPriorityChannel = 9;
  static constexpr std::size_t kFurtherChannel = 11;
  static constexpr std::size_t kTxMode = 13;  // bits 0..2
  static constexpr std::size_t kDesignatedChannel = 14;

  std::uint16_t word(std::size_t offset) const { return ReadLe16(bytes, offset); }
  void setWord(std::size_t offset, std::uint16_t v) { WriteLe16(bytes, offset, v); }
  // Member slot 0..15: a 1-based channel number.
  std::uint16_t member(std::size_t slot) const { return word(layout::kScanListMembers + 2 * slot); }
  void setMember(std::size_t slot, std::uint16_t v) { setWord(layout::kScanListMembers + 2 * slot, v); }
  std::uint8_t entryCount() const { return bytes[kEntryCount]; }
  std::uint8_t txMode() const { return bytes[kTxMode] & 0x07; }
  std::uint8_t priorityMode() const { return bytes[kPriorityMode] & 0x03; }
};

struct AlertToneRecord : ByteRecord<layout::kAlertToneRecordSize> {};

}  // namespace vex
