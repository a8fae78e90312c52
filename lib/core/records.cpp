#include "core/records.h"

#include "core/schema/schema.h"
#include "core/schema/schema_table.h"

namespace vex {
namespace {

using A = FieldArea;

constexpr const FieldDef& kRxFrequency = SchemaField(A::Channel, "rx_frequency");
constexpr const FieldDef& kTxFrequency = SchemaField(A::Channel, "tx_frequency");
constexpr const FieldDef& kRxTone = SchemaField(A::Channel, "rx_tone");
constexpr const FieldDef& kTxTone = SchemaField(A::Channel, "tx_tone");
constexpr const FieldDef& kRxStep = SchemaField(A::Channel, "rx_step");
constexpr const FieldDef& kTxStep = SchemaField(A::Channel, "tx_step");
constexpr const FieldDef& kSpacing = SchemaField(A::Channel, "spacing");
constexpr const FieldDef& kPower = SchemaField(A::Channel, "power");
constexpr const FieldDef& kPersonality = SchemaField(A::Channel, "personality");
constexpr const FieldDef& kScanList = SchemaField(A::Channel, "scan_list");
constexpr const FieldDef& kAutoStartScan = SchemaField(A::Channel, "auto_start_scan");

constexpr const FieldDef& kPreviousLink = SchemaField(A::Personality, "previous_link");
constexpr const FieldDef& kNextLink = SchemaField(A::Personality, "next_link");

constexpr SchemaArray kMembers{A::ScanList, "member_1"};
static_assert(kMembers.size() == kScanListMembers);
constexpr const FieldDef& kEntries = SchemaField(A::ScanList, "entries");
constexpr const FieldDef& kTxMode = SchemaField(A::ScanList, "tx_mode");
constexpr const FieldDef& kPriorityMode = SchemaField(A::ScanList, "priority_mode");

const FieldDef* ChannelFieldAt(std::size_t offset) {
  for (const FieldDef& field : kFields)
    if (field.area == A::ScanList && field.kind == FieldKind::ChannelNumber && field.offset == offset) return &field;
  return nullptr;
}

}  // namespace

std::uint32_t ChannelRecord::rxFrequency() const { return static_cast<std::uint32_t>(ReadField(kRxFrequency, bytes)); }
std::uint32_t ChannelRecord::txFrequency() const { return static_cast<std::uint32_t>(ReadField(kTxFrequency, bytes)); }
void ChannelRecord::setRxFrequency(std::uint32_t bcd) { WriteField(kRxFrequency, bytes, bcd); }
void ChannelRecord::setTxFrequency(std::uint32_t bcd) { WriteField(kTxFrequency, bytes, bcd); }
std::uint16_t ChannelRecord::rxTone() const { return static_cast<std::uint16_t>(ReadField(kRxTone, bytes)); }
std::uint16_t ChannelRecord::txTone() const { return static_cast<std::uint16_t>(ReadField(kTxTone, bytes)); }
void ChannelRecord::setRxTone(std::uint16_t word) { WriteField(kRxTone, bytes, word); }
void ChannelRecord::setTxTone(std::uint16_t word) { WriteField(kTxTone, bytes, word); }
std::uint8_t ChannelRecord::rxStepCode() const { return static_cast<std::uint8_t>(ReadField(kRxStep, bytes)); }
std::uint8_t ChannelRecord::txStepCode() const { return static_cast<std::uint8_t>(ReadField(kTxStep, bytes)); }

void ChannelRecord::setStepCodes(std::uint8_t rx, std::uint8_t tx) {
  WriteField(kRxStep, bytes, rx);
  WriteField(kTxStep, bytes, tx);
}

int ChannelRecord::spacingIndex() const { return static_cast<int>(ReadField(kSpacing, bytes)); }
int ChannelRecord::powerIndex() const { return static_cast<int>(ReadField(kPower, bytes)); }
void ChannelRecord::setSpacingIndex(int index) { WriteField(kSpacing, bytes, index); }
void ChannelRecord::setPowerIndex(int index) { WriteField(kPower, bytes, index); }
std::uint8_t ChannelRecord::personalityIndex() const {
  return static_cast<std::uint8_t>(ReadField(kPersonality, bytes));
}
void ChannelRecord::setPersonalityIndex(std::uint8_t index) { WriteField(kPersonality, bytes, index); }
std::uint8_t ChannelRecord::scanListNumber() const { return static_cast<std::uint8_t>(ReadField(kScanList, bytes)); }
void ChannelRecord::setScanListNumber(std::uint8_t number) { WriteField(kScanList, bytes, number); }
bool ChannelRecord::autoStartScan() const { return ReadField(kAutoStartScan, bytes) != 0; }
void ChannelRecord::setAutoStartScan(bool on) { WriteField(kAutoStartScan, bytes, on ? 1 : 0); }

std::uint16_t PersonalityRecord::previousLink() const {
  return static_cast<std::uint16_t>(ReadField(kPreviousLink, bytes));
}
std::uint16_t PersonalityRecord::nextLink() const { return static_cast<std::uint16_t>(ReadField(kNextLink, bytes)); }

void PersonalityRecord::setLinks(std::uint16_t previous, std::uint16_t next) {
  WriteField(kPreviousLink, bytes, previous);
  WriteField(kNextLink, bytes, next);
}

std::uint16_t ScanListRecord::word(std::size_t offset) const {
  const FieldDef* field = ChannelFieldAt(offset);
  return field ? static_cast<std::uint16_t>(ReadField(*field, bytes)) : 0;
}

void ScanListRecord::setWord(std::size_t offset, std::uint16_t number) {
  if (const FieldDef* field = ChannelFieldAt(offset)) WriteField(*field, bytes, number);
}

std::uint16_t ScanListRecord::member(std::size_t slot) const {
  return slot < kScanListMembers ? static_cast<std::uint16_t>(ReadField(kMembers[slot], bytes)) : 0;
}

void ScanListRecord::setMember(std::size_t slot, std::uint16_t number) {
  if (slot < kScanListMembers) WriteField(kMembers[slot], bytes, number);
}

std::uint8_t ScanListRecord::entryCount() const { return static_cast<std::uint8_t>(ReadField(kEntries, bytes)); }
void ScanListRecord::setEntryCount(std::uint8_t count) { WriteField(kEntries, bytes, count); }
std::uint8_t ScanListRecord::txMode() const { return static_cast<std::uint8_t>(ReadField(kTxMode, bytes)); }
std::uint8_t ScanListRecord::priorityMode() const { return static_cast<std::uint8_t>(ReadField(kPriorityMode, bytes)); }

}  // namespace vex
