#include "core/record_items.h"

#include <utility>

#include "core/invalid_log.h"
#include "core/new_channel.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"
#include "core/validation.h"

namespace vex {

void ChannelItem::initDefaults(std::size_t position) { InitNewChannel(*this, position); }

void ChannelItem::handleNotice(const ChangeNotice& notice, std::size_t number, const ValidationScope& scope) const {
  if (notice.kind == ChangeNotice::kValidate) {
    ValidateChannel(*this, number, scope);
  }
}

void ChannelItem::withdrawFindings(InvalidLog& log) const { log.removeItem(key_); }

void PersonalityItem::initDefaults(std::size_t) { ApplyDefaults(FieldArea::Personality, record_.span()); }

void ScanListItem::initDefaults(std::size_t) { ApplyDefaults(FieldArea::ScanList, record_.span()); }

int* ScanListItem::channelLinkAt(std::size_t offset) {
  return const_cast<int*>(std::as_const(*this).channelLinkAt(offset));
}

const int* ScanListItem::channelLinkAt(std::size_t offset) const {
  static constexpr SchemaArray kMembers{FieldArea::ScanList, "member_1"};
  if (offset == SchemaField(FieldArea::ScanList, "priority_channel").offset) return &priorityLink_;
  if (offset == SchemaField(FieldArea::ScanList, "further_channel").offset) return &furtherLink_;
  if (offset == SchemaField(FieldArea::ScanList, "designated_channel").offset) return &designatedLink_;
  for (std::size_t slot = 0; slot < kMembers.size(); ++slot)
    if (offset == kMembers[slot].offset) return &memberLinks_[slot];
  return nullptr;
}

void ScanListItem::handleNotice(const ChangeNotice& notice, std::size_t number, const ValidationScope& scope) const {
  if (notice.kind == ChangeNotice::kValidate) {
    ValidateScanList(*this, number, scope);
  }
}

void ScanListItem::withdrawFindings(InvalidLog& log) const { log.removeItem(key_); }

void AlertToneItem::initDefaults(std::size_t) { ApplyDefaults(FieldArea::AlertTone, record_.span()); }

}  // namespace vex
