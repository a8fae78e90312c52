// The record lists of the dump: channels, personalities, scan lists and
// alert tones, one row per record.
#include "dump_fields.h"

#include "core/schema/schema_table.h"

namespace vex::cli {

namespace {

constexpr SchemaArray kMembers{FieldArea::ScanList, "member_1"};

bool IsMember(std::string_view key) {
  for (std::size_t slot = 0; slot < kMembers.size(); ++slot)
    if (kMembers[slot].key == key) return true;
  return false;
}

// The scan list's member slots as one value: the channel numbers of the
// slots that hold one.
DumpValue Members(std::span<const std::uint8_t> bytes) {
  std::string members;
  for (std::size_t slot = 0; slot < kMembers.size(); ++slot) {
    const long number = ReadField(kMembers[slot], bytes);
    if (number == 0 || number == 0xFF || number == 0xFFFF) continue;
    members += (members.empty() ? "" : " ") + std::to_string(number);
  }
  return {"members", members};
}

// One row per record, its number under the area's name.
DumpTable Table(RadioDataContainer& data, const LanguageTexts& texts, FieldArea area, const char* name) {
  DumpTable table{name, {}};
  for (std::size_t i = 0; i < AreaRecords(data, area); ++i) {
    const auto bytes = AreaBytes(data, area, i);
    DumpRow row{DumpValue::Number(std::string(AreaOf(area).name), std::to_string(i + 1))};
    for (DumpValue& value : AreaValues(area, bytes, texts))
      if (!IsMember(value.key)) row.push_back(std::move(value));
    if (area == FieldArea::ScanList) row.push_back(Members(bytes));
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace

std::vector<DumpTable> RecordTables(RadioDataContainer& data, const LanguageTexts& texts) {
  return {
      Table(data, texts, FieldArea::Channel, "channels"),
      Table(data, texts, FieldArea::Personality, "personalities"),
      Table(data, texts, FieldArea::ScanList, "scan_lists"),
      Table(data, texts, FieldArea::AlertTone, "alert_tones"),
  };
}

}  // namespace vex::cli
