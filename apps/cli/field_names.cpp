#include "field_names.h"

#include "core/image_layout.h"

#include <array>

namespace vex::cli {

namespace {

using layout::Region;

struct NamedBytes {
  std::size_t offset;
  std::size_t length;
  const char* name;
};

// Channel record fields, by offset within the 24-byte record.
constexpr std::array<NamedBytes, 12> kChannelFields{{
    {0, 4, "reserved bytes"},
    {4, 4, "receive frequency"},
    {8, 4, "transmit frequency"},
    {12, 2, "receive tone"},
    {14, 2, "transmit tone"},
    {16, 1, "step codes"},
    {17, 1, "spacing and power"},
    {18, 1, "personality"},
    {19, 1, "scan list"},
    {20, 1, "flags (auto start scan, ATIS)"},
    {21, 1, "more flags"},
    {22, 2, "reserved bytes"},
}};

constexpr std::array<NamedBytes, 5> kRadioInfoFields{{
    {layout::kInfoModelName, layout::kInfoModelNameLength, "radio information model name"},
    {layout::kInfoBandFlags, 1, "radio information band flags"},
    {layout::kInfoTimeStamp, 8, "programming time stamp"},
    {layout::kInfoBandEdges, 8, "radio information band edges"},
    {layout::kInfoSerial, layout::kInfoSerialLength, "serial number"},
}};

constexpr std::array<const char*, 3> kPasswordNames{"power-on password", "write password", "read password"};

// A section whose bytes are named by their index, counted from `base`.
struct Section {
  Region region;
  const char* name;
  std::size_t base = 0;
};

constexpr std::array<Section, 17> kSections{{
    {layout::kIdentity, "identity"},
    {layout::kRadioInfo, "radio information"},
    {layout::kUnused88, "unused area"},
    {layout::kKeys, "keys"},
    {layout::kMiscFirst, "miscellaneous settings"},
    {layout::kFactory, "factory data", 4},
    {layout::kMiscSecond, "miscellaneous settings", 36},
    {layout::kShared, "miscellaneous settings", 41},
    {layout::kPttId, "PTT ID"},
    {layout::kDos, "DOS"},
    {layout::kAtis, "ATIS"},
    {layout::kUnused593, "unused area"},
    {layout::kTestFreq, "test frequencies"},
    {layout::kEmbedded, "embedded data"},
    {layout::kAdjust, "adjustment values"},
    {layout::kUnused5304, "unused area"},
    {layout::kUnused6199, "unused area"},
}};

bool Inside(const Region& r, std::size_t address) { return address >= r.first && address < r.end(); }

ImageField Byte(std::string name, std::size_t index, std::size_t address) {
  return {std::move(name) + " byte " + std::to_string(index), address, 1};
}

// A record of a record area: "channel 3 ..." with its own field names, or
// "personality 2 byte 14".
ImageField RecordField(const layout::RecordArea& area, const char* kind, std::size_t address) {
  const std::size_t index = (address - area.first) / area.recordSize;
  const std::size_t offset = (address - area.first) % area.recordSize;
  const std::size_t start = area.offsetOf(index);
  const std::string record = std::string(kind) + " " + std::to_string(index + 1);
  if (&area == &layout::kChannelArea) {
    for (const NamedBytes& f : kChannelFields) {
      if (offset >= f.offset && offset < f.offset + f.length)
        return {record + " " + f.name, start + f.offset, f.length};
    }
  }
  if (&area == &layout::kScanListArea && offset >= layout::kScanListMembers) {
    const std::size_t member = (offset - layout::kScanListMembers) / 2;
    return {record + " member " + std::to_string(member + 1), start + layout::kScanListMembers + 2 * member, 2};
  }
  return Byte(record, offset, address);
}

}  // namespace

ImageField FieldAt(std::size_t address) {
  if (Inside(layout::kChannels, address)) return RecordField(layout::kChannelArea, "channel", address);
  if (Inside(layout::kPersonalities, address)) return RecordField(layout::kPersonalityArea, "personality", address);
  if (Inside(layout::kScanLists, address)) return RecordField(layout::kScanListArea, "scan list", address);
  if (Inside(layout::kAlertTones, address)) return RecordField(layout::kAlertToneArea, "alert tone", address);
  if (Inside(layout::kPasswords, address)) {
    const std::size_t which = (address - layout::kPasswords.first) / 8;
    return {kPasswordNames[which], layout::kPasswords.first + which * 8, 8};
  }
  if (Inside(layout::kRadioInfo, address)) {
    const std::size_t offset = address - layout::kRadioInfo.first;
    for (const NamedBytes& f : kRadioInfoFields) {
      if (offset >= f.offset && offset < f.offset + f.length)
        return {f.name, layout::kRadioInfo.first + f.offset, f.length};
    }
  }
  for (const Section& s : kSections) {
    if (Inside(s.region, address)) return Byte(s.name, address - s.region.first + s.base, address);
  }
  return {"address", address, 1};
}

}  // namespace vex::cli
