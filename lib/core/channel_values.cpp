#include "core/channel_values.h"

#include <algorithm>

#include "base/bcd.h"
#include "base/range_entry.h"
#include "core/tone_tables.h"

namespace vex {
namespace {

constexpr std::uint16_t kTypeMask = 0xC000;
constexpr int kTypeShift = 14;
constexpr std::uint16_t kNonStandardBit = 0x2000;
constexpr std::uint16_t kValueMask = 0x0FFF;

std::uint16_t WithType(std::uint16_t word, int type) {
  return static_cast<std::uint16_t>((word & ~kTypeMask) | ((type & 0x03) << kTypeShift));
}

int TypeOf(std::uint16_t word) { return word >> kTypeShift; }

// Value bits and non-standard flag by the word's type; type 0 is left alone,
// and so is a CDCSS word whose text is no code (`refused` is then set).
std::uint16_t WithTone(std::uint16_t word, const std::string& ctcss, const std::string& cdcss, bool& refused) {
  std::uint16_t value = 0;
  bool standard = true;
  switch (TypeOf(word)) {
    case kToneCtcss:
      value = EncodeCtcss(ctcss);
      standard = IsStandardTone(true, value);
      break;
    case kToneCdcss:
    case kToneCdcssInverted: {
      const std::optional<CdcssCode> code = ParseCdcss(cdcss);
      if (!code) {
        refused = true;
        return word;
      }
      value = code->value;
      standard = IsStandardTone(false, code->digits);
      break;
    }
    default: return word;
  }
  word = static_cast<std::uint16_t>(word & ~(kNonStandardBit | kValueMask));
  return static_cast<std::uint16_t>(word | value | (standard ? 0 : kNonStandardBit));
}

// Pulls a frequency into the band; a frequency that moved is put on a raster
// (which keeps it inside: the band's edges are whole MHz or end on .99999)
// and takes that raster's step code.
std::uint32_t PullIntoBand(std::uint32_t bcd, const BandLimits& band, std::uint8_t& stepCode, bool& clamped) {
  // BCD values of eight digits compare like the frequencies they hold.
  const std::uint32_t pulled = std::clamp(bcd, band.lowest(), band.highest());
  if (pulled == bcd) return bcd;
  clamped = true;
  std::uint32_t tenHz = UnpackBcd(pulled);
  stepCode = StepCodeFor(tenHz);
  return PackBcd(tenHz);
}

void LoadTone(std::uint16_t word, int& type, std::string& ctcss, std::string& cdcss) {
  type = TypeOf(word);
  ctcss = type == kToneCtcss ? DecodeCtcss(word) : kCtcssPlaceholder;
  cdcss = type >= kToneCdcss ? DecodeCdcss(word) : kCdcssPlaceholder;
}

}  // namespace

std::uint32_t BandLimits::lowest() const { return MegahertzToBcd(lowMHz); }

std::uint32_t BandLimits::highest() const {
  if (highMHz == lowMHz) return PackBcd(static_cast<std::uint32_t>(lowMHz) * 100000 + 99999);
  return MegahertzToBcd(highMHz);
}

BandLimits BandLimitsOf(std::string_view rangeText) {
  const RangeEdges edges = ParseRangeText(rangeText);
  return {edges.lower, edges.upper};
}

ChannelStoreResult StoreChannelValues(const ChannelValueSet& values, const BandLimits& band, ChannelRecord& record) {
  ChannelStoreResult result;
  record.setSpacingIndex(values.spacing);
  record.setPowerIndex(values.power);
  record.setRxTone(WithType(record.rxTone(), values.rxType));
  record.setTxTone(WithType(record.txTone(), values.txType));

  std::uint32_t rx = values.rxFrequency;
  std::uint32_t tx = values.txFrequency;
  std::uint8_t rxStep = values.rxStepCode;
  std::uint8_t txStep = values.txStepCode;
  if (rx == kNoFrequency) {
    tx = kNoFrequency;
  } else if (tx != kNoFrequency) {
    if (band.known()) {
      rx = PullIntoBand(rx, band, rxStep, result.clamped);
      tx = PullIntoBand(tx, band, txStep, result.clamped);
    } else {
      result.bandUnknown = true;
    }
  }
  record.setRxFrequency(rx);
  record.setTxFrequency(tx);

  record.setRxTone(WithTone(record.rxTone(), values.rxCtcss, values.rxCdcss, result.rxCdcssRefused));
  record.setTxTone(WithTone(record.txTone(), values.txCtcss, values.txCdcss, result.txCdcssRefused));
  record.setStepCodes(rxStep, txStep);
  return result;
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

void CopyReceiveToTransmit(ChannelRecord& record) {
  record.setTxFrequency(record.rxFrequency());
  record.setTxTone(record.rxTone());
  record.setStepCodes(record.rxStepCode(), record.rxStepCode());
}

}  // namespace vex
