#include "workflow/codeplug_text/image_parts.h"

#include <algorithm>

#include "core/container.h"

namespace vex::codeplug_text {
namespace {

struct Part {
  std::string_view name;
  layout::Region region;
  bool loose;  // the encoder writes no field there
};

constexpr std::array<Part, 22> kParts{{
    {"identity", layout::kIdentity, true},
    {"radio_info", layout::kRadioInfo, false},
    {"unused_88", layout::kUnused88, true},
    {"keys", layout::kKeys, false},
    {"misc", layout::kMiscFirst, false},
    {"factory", layout::kFactory, false},
    {"misc", layout::kMiscSecond, false},
    {"shared", layout::kShared, false},
    {"ptt_id", layout::kPttId, true},
    {"dos", layout::kDos, false},
    {"atis", layout::kAtis, false},
    {"alert_tones", layout::kAlertTones, false},
    {"unused_593", layout::kUnused593, true},
    {"passwords", layout::kPasswords, false},
    {"channels", layout::kChannels, false},
    {"personalities", layout::kPersonalities, false},
    {"scan_lists", layout::kScanLists, false},
    {"test_freq", layout::kTestFreq, false},
    {"embedded", layout::kEmbedded, false},
    {"unused_5304", layout::kUnused5304, true},
    {"adjust", layout::kAdjust, true},
    {"unused_6199", layout::kUnused6199, true},
}};

const Part& PartOf(std::size_t offset) {
  for (const Part& part : kParts)
    if (offset >= part.region.first && offset < part.region.end()) return part;
  static constexpr Part kNone{"", {layout::kImageSize, 0}, false};
  return kNone;
}

// The slots past the records, and the region's bytes past its last slot.
void MarkFreeSlots(ByteMask& mask, const layout::RecordArea& area, const layout::Region& region, std::size_t records) {
  const std::size_t used = std::min(records, area.maxDecoded);
  const std::size_t from = area.offsetOf(used);
  const std::size_t end = region.end();
  for (std::size_t i = from; i < end && i < mask.size(); ++i) mask[i] = true;
}

}  // namespace

std::string_view ImagePartName(std::size_t offset) { return PartOf(offset).name; }
std::size_t ImagePartFirst(std::size_t offset) { return PartOf(offset).region.first; }

ByteMask LooseBytes(const RadioDataContainer& data) {
  ByteMask mask{};
  for (const Part& part : kParts)
    if (part.loose)
      for (std::size_t i = part.region.first; i < part.region.end(); ++i) mask[i] = true;
  MarkFreeSlots(mask, layout::kChannelArea, layout::kChannels, data.channels().size());
  MarkFreeSlots(mask, layout::kPersonalityArea, layout::kPersonalities, data.personalities().size());
  MarkFreeSlots(mask, layout::kScanListArea, layout::kScanLists, data.scanLists().size());
  MarkFreeSlots(mask, layout::kAlertToneArea, layout::kAlertTones, data.alertTones().size());
  return mask;
}

}  // namespace vex::codeplug_text
