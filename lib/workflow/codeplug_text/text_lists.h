// The sections and record lists of the text, in the order it writes them.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/record_limits.h"
#include "core/schema/field_types.h"

namespace vex::codeplug_text {

// The value of the text's "format" key.
inline constexpr std::string_view kTextFormat = "vexprog-codeplug 1";

inline constexpr std::array<FieldArea, 10> kSectionAreas{
    FieldArea::RadioInfo, FieldArea::Keys,     FieldArea::Misc,     FieldArea::Passwords, FieldArea::Atis,
    FieldArea::PttId,     FieldArea::Dos,      FieldArea::TestFreq, FieldArea::Embedded,  FieldArea::Factory};

struct TextList {
  std::string_view key;
  FieldArea area;
  std::size_t most;
  std::string_view comment;
};

inline constexpr std::array<TextList, 4> kTextLists{{
    {"channels", FieldArea::Channel, kMostChannels, "Channels: 1 to 17."},
    {"personalities", FieldArea::Personality, kMostPersonalities,
     "Personalities: 1 to 8; a channel's personality is its number here."},
    {"scan_lists", FieldArea::ScanList, kMostScanLists,
     "Scan lists: exactly 1; members, designated and priority channels are channel numbers."},
    {"alert_tones", FieldArea::AlertTone, kMostAlertTones,
     "Alert tones: 1 to 18, each of up to eight segments of a frequency (Hz) and a time (ms)."},
}};

}  // namespace vex::codeplug_text
