// The value set a channel editor works on, and its conversion to and from the
// channel record. List choices are indexes: the editor turns texts into
// indexes through its language lists.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/channel_encoding.h"
#include "core/records.h"

namespace vex {

inline constexpr char kCtcssPlaceholder[] = "67.0";
inline constexpr char kCdcssPlaceholder[] = "023";

// Tone types (bits 15..14 of a tone word); 2 and 3 both mean CDCSS.
enum ToneType { kToneNone = 0, kToneCtcss = 1, kToneCdcss = 2, kToneCdcssInverted = 3 };

struct ChannelValueSet {
  std::uint32_t rxFrequency = kNoFrequency;  // BCD
  std::uint32_t txFrequency = kNoFrequency;
  int rxType = kToneNone;
  std::string rxCtcss = kCtcssPlaceholder;
  std::string rxCdcss = kCdcssPlaceholder;
  int txType = kToneNone;
  std::string txCtcss = kCtcssPlaceholder;
  std::string txCdcss = kCdcssPlaceholder;
  std::uint8_t rxStepCode = kNoStepCode;
  std::uint8_t txStepCode = kNoStepCode;
  int spacing = 0;  // index into the spacing list
  int power = 0;    // index into the power list
};

// The current frequency range in whole MHz. A range whose edges are the same
// MHz ("446-446") covers that whole MHz; any other range ends at its upper
// edge. A range that names no band (no number, 0, reversed, or beyond the
// eight digits a frequency has) is unknown: nothing is clamped against it.
struct BandLimits {
  int lowMHz = 0;
  int highMHz = 0;

  bool known() const { return lowMHz > 0 && highMHz >= lowMHz && highMHz <= 999; }
  // The band's edges as BCD frequencies (10 Hz units).
  std::uint32_t lowest() const;
  std::uint32_t highest() const;
};

// The band of a range text "lo-hi".
BandLimits BandLimitsOf(std::string_view rangeText);

// What storing a value set did besides storing, for the editor to report.
struct ChannelStoreResult {
  bool clamped = false;         // a frequency was pulled into the band (kMsgFrequencyClamped)
  bool bandUnknown = false;     // frequencies stored unchecked (kMsgRangeUnknown)
  bool rxCdcssRefused = false;  // no CDCSS code: the word kept its code (kMsgCdcssInvalid)
  bool txCdcssRefused = false;
};

// Writes the value set into the record. No receive frequency forces no
// transmit frequency; with both set, each is pulled into a known band, and a
// frequency that was moved gets the step code of the value stored. Tone words
// take their type, and for CTCSS and CDCSS the value and the non-standard flag
// (bit 13); bit 12 is kept, and a word of type 0 keeps its value bits. A CDCSS
// text that is no code leaves its word's value and flag as they were.
ChannelStoreResult StoreChannelValues(const ChannelValueSet& values, const BandLimits& band, ChannelRecord& record);

// Reads the record into a value set; the tone texts a type does not use hold
// the placeholders "67.0" and "023".
ChannelValueSet LoadChannelValues(const ChannelRecord& record);

// Transmit as receive: the frequency, the whole tone word (type, value and
// flags) and the step code.
void CopyReceiveToTransmit(ChannelRecord& record);

}  // namespace vex
