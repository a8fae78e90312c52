// The most records each list may hold: exactly as many as decoding reads back
// from the image, so that nothing the program keeps is lost on the next Open
// or read. The decoder, the encoder and every list's append take their limit
// from here; views take their Add limits from here too.
#pragma once

#include <array>
#include <cstddef>

#include "core/image_layout.h"
#include "core/record_keys.h"

namespace vex {

struct RecordLimit {
  RecordKind kind;
  std::size_t most;  // records the list may hold
};

inline constexpr std::array<RecordLimit, 4> kRecordLimits{{
    {RecordKind::Channel, layout::kChannelArea.maxDecoded},          // 17
    {RecordKind::Personality, layout::kPersonalityArea.maxDecoded},  // 8
    {RecordKind::ScanList, layout::kScanListArea.maxDecoded},        // 1
    {RecordKind::AlertTone, layout::kAlertToneArea.maxDecoded},      // 18
}};

constexpr const RecordLimit& RecordLimitOf(RecordKind kind) {
  for (const RecordLimit& limit : kRecordLimits) {
    if (limit.kind == kind) return limit;
  }
  return kRecordLimits[0];  // not reached: every kind has its row
}

constexpr std::size_t MostRecords(RecordKind kind) { return RecordLimitOf(kind).most; }

inline constexpr std::size_t kMostChannels = MostRecords(RecordKind::Channel);
inline constexpr std::size_t kMostPersonalities = MostRecords(RecordKind::Personality);
inline constexpr std::size_t kMostScanLists = MostRecords(RecordKind::ScanList);
inline constexpr std::size_t kMostAlertTones = MostRecords(RecordKind::AlertTone);

static_assert(kMostChannels == 17 && kMostPersonalities == 8 && kMostScanLists == 1 && kMostAlertTones == 18);
static_assert(kMostChannels <= layout::kChannelArea.capacity &&
              kMostPersonalities <= layout::kPersonalityArea.capacity &&
              kMostScanLists <= layout::kScanListArea.capacity && kMostAlertTones <= layout::kAlertToneArea.capacity);

}  // namespace vex
