#include "core/channel_values.h"

#include <algorithm>

#include "core/tone_tables.h"

namespace vex {
namespace {

constexpr std::uint16_t kTypeMask = 0xC000;
constexpr int kTypeShift = 14;
constexpr std::uint16_t kNonStandardBit = 0x2000;
constexpr std::uint16_t kValueMask = 0x0FFF;

std::uint8_t Nibbles(int low, int high) { return static_cast<std::uint8_t>((low & 0x0F) | ((high & 0x0F) << 4)); }

std::uint16_t WithType(std::uint16_t word, int type) {
  return static_cast<std::uint16_t>((word & ~kTypeMask) | ((type & 0x03) << kTypeShift));
}

int TypeOf(std::uint16_t word) { return word >> kTypeShift; }

// Value bits and non-standard flag by the word's type; type 0 is left alone.
std::uint16_t WithTone(std::uint16_t word, const std::string& ctcss, const std::string& cdcss) {
  std::uint16_t value = 0;
  bool standard = true;
  switch (TypeOf(word)) {
    case kToneCtcss:
      value = EncodeCtcss(ctcss);
      standard = IsStandardTone(true, value);
      break;
    case kToneCdcss:
    case kToneCdcssInverted:
      value = EncodeCdcss(cdcss);
      standard = IsStandardTone(false, CdcssDigits(cdcss));
      break;
    default: return word;
  }
  word = static_cast<std::uint16_t>(word & ~(kNonStandardBit | kValueMask));
  return static_cast<std::uint16_t>(word | value | (standard ? 0 : kNonStandardBit));
}

void LoadTone(std::uint16_t word, int& type, std::string& ctcss, std::string& cdcss) {
  type = TypeOf(word);
  ctcss = type == kToneCtcss ? DecodeCtcss(word) : kCtcssPlaceholder;
  cdcss = type >= kToneCdcss ? DecodeCdcss(word) : kCdcssPlaceholder;
}

}  // namespace

void StoreChannelValues(const ChannelValueSet& values, const BandLimits& band, ChannelRecord& record) {
  record.bytes[ChannelRecord::kSpacingPower] = Nibbles(values.spacing, values.power);
  record.setRxTone(WithType(record.rxTone(), values.rxType));
  record.setTxTone(WithType(record.txTone(), values.txType));

  // BCD values of eight digits compare like the frequencies they hold.
  std::uint32_t rx = values.rxFrequency;
  std::uint32_t tx = values.txFrequency;
  if (rx == kNoFrequency) {
    tx = kNoFrequency;
  } else if (tx != kNoFrequency) {
    const std::uint32_t low = MegahertzToBcd(band.lowMHz);
    const std::uint32_t high = MegahertzToBcd(band.highMHz);
    auto pull = [&](std::uint32_t f) { return std::min(std::max(f, low), high); };
    rx = pull(rx);
    tx = pull(tx);
  }
  record.setRxFrequency(rx);
  record.setTxFrequency(tx);

  record.setRxTone(WithTone(record.rxTone(), values.rxCtcss, values.rxCdcss));
  record.setTxTone(WithTone(record.txTone(), values.txCtcss, values.txCdcss));
  record.bytes[ChannelRecord::kStepCodes] = Nibbles(values.rxStepCode, values.txStepCode);
}

ChannelValueSet LoadChannelValues(const ChannelRecord& record) {
  ChannelValueSet values;
  values.spacing = record.spacingIndex();
  values.power = record.powerIndex();
  values.rxFrequency = record.rxFrequency();
  values.txFrequency = record.txFrequency();
  LoadTone(record.rxTone(), values.rxType, values.rxCtcss, values.rxCdcss);
  LoadTone(record.txTone(), values.txType, values.txCtcss, values.txCdcss);
  values.rxStepCode = record.rxStepCode();
  values.txStepCode = record.txStepCode();
  return values;
}

}  // namespace vex
