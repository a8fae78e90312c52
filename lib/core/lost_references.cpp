#include "core/lost_references.h"

#include <algorithm>

#include "core/container.h"
#include "core/records.h"
#include "core/references.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"

namespace vex {
namespace {

bool Lost(long number, std::size_t now, std::size_t was) {
  return number > static_cast<long>(now) && number <= static_cast<long>(was);
}

void Change(std::vector<ReferenceChange>& changes, FieldArea area, std::size_t record, const FieldDef& field,
            std::span<std::uint8_t> bytes, long now) {
  changes.push_back({area, record, &field, ReadField(field, bytes), now});
  WriteField(field, bytes, now);
}

}  // namespace

ListSizes ListSizesOf(const RadioDataContainer& data) {
  return {data.channels().size(), data.personalities().size(), data.scanLists().size()};
}

std::vector<ReferenceChange> DropLostReferences(RadioDataContainer& data, const ListSizes& before) {
  static const FieldDef& personality = SchemaField(FieldArea::Channel, "personality");
  static const FieldDef& scanList = SchemaField(FieldArea::Channel, "scan_list");
  const ListSizes now = ListSizesOf(data);
  std::vector<ReferenceChange> changes;
  for (std::size_t i = 0; i < data.channels().size(); ++i) {
    auto bytes = data.channels()[i].record().span();
    // The personality is stored as its 0-based position.
    if (Lost(ReadField(personality, bytes) + 1, now.personalities, before.personalities))
      Change(changes, FieldArea::Channel, i, personality, bytes, 0);
    if (Lost(ReadField(scanList, bytes), now.scanLists, before.scanLists))
      Change(changes, FieldArea::Channel, i, scanList, bytes, 0);
  }
  for (std::size_t i = 0; i < data.scanLists().size(); ++i) {
    ScanListRecord& record = data.scanLists()[i].record();
    const auto lost = [&](std::uint16_t number) { return Lost(number, now.channels, before.channels); };
    const auto member = [](std::size_t slot) {
      return FindField(FieldArea::ScanList, "member_" + std::to_string(slot + 1));
    };
    // As when a channel is deleted: the used slots close up over the lost
    // ones and the entry count shrinks; later slots only lose them.
    const std::size_t used = std::min<std::size_t>(record.entryCount(), kScanListMembers);
    std::size_t kept = 0;
    for (std::size_t slot = 0; slot < kScanListMembers; ++slot) {
      const std::uint16_t number = record.member(slot);
      if (lost(number)) {
        changes.push_back({FieldArea::ScanList, i, member(slot), number, kNoChannel});
        record.setMember(slot, kNoChannel);
      } else if (slot < used) {
        record.setMember(kept++, number);
      }
    }
    for (std::size_t slot = kept; slot < used; ++slot) record.setMember(slot, kNoChannel);
    if (kept != used) record.setEntryCount(static_cast<std::uint8_t>(kept));
    for (const FieldDef* field : FieldsOf(FieldArea::ScanList)) {
      if (field->kind != FieldKind::ChannelNumber || !field->listed() || field->key.starts_with("member_")) continue;
      if (lost(static_cast<std::uint16_t>(ReadField(*field, record.span()))))
        Change(changes, FieldArea::ScanList, i, *field, record.span(), 1);
    }
  }
  return changes;
}

std::string LostReferenceText(const ReferenceChange& change) {
  if (change.field->kind == FieldKind::ChannelNumber) {
    const std::string gone = "channel " + std::to_string(change.was) + " no longer exists; ";
    return gone + (change.now == kNoChannel ? "the slot is now empty" : "now channel " + std::to_string(change.now));
  }
  if (change.field->key == "personality")
    return "personality " + std::to_string(change.was + 1) + " no longer exists; now personality 1";
  return "scan list " + std::to_string(change.was) + " no longer exists; now none";
}

std::string ReferenceChangeText(const ReferenceChange& change) {
  std::string record(AreaOf(change.area).name);
  std::replace(record.begin(), record.end(), '_', ' ');
  return record + " " + std::to_string(change.record + 1) + " " + std::string(change.field->key) + ": " +
         LostReferenceText(change);
}

}  // namespace vex
