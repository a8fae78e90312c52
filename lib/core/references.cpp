#include "core/references.h"

#include <algorithm>
#include <optional>

#include "core/container.h"

namespace vex {
namespace {

int ChannelKeyOfNumber(const ItemList<ChannelItem>& channels, std::uint16_t number) {
  return number == 0 ? 0 : channels.keyAt(number - 1u);
}

// The 0-based position of the item with `key`, when it is in the list.
template <class Item>
std::optional<std::size_t> PositionOf(const ItemList<Item>& list, int key) {
  for (std::size_t i = 0; key != 0 && i < list.size(); ++i)
    if (list.keyAt(i) == key) return i;
  return std::nullopt;
}

// Calls `action` with the record offset and the link of each channel
// reference of the scan list.
template <class Action>
void ForEachChannelReference(ScanListItem& scanList, Action&& action) {
  for (std::size_t offset = 0; offset < ScanListRecord::kSize; ++offset)
    if (int* link = scanList.channelLinkAt(offset)) action(offset, *link);
}

}  // namespace

void ResolveReferences(ChannelItem& channel, const ItemList<PersonalityItem>& personalities,
                       const ItemList<ScanListItem>& scanLists) {
  const ChannelRecord& record = channel.record();
  channel.setPersonalityLink(personalities.keyAt(record.personalityIndex()));
  const std::uint8_t scanNumber = record.scanListNumber();
  channel.setScanListLink(scanNumber == 0 ? 0 : scanLists.keyAt(scanNumber - 1u));
}

void ResolveReferences(ScanListItem& scanList, const ItemList<ChannelItem>& channels) {
  ForEachChannelReference(scanList, [&](std::size_t offset, int& link) {
    link = ChannelKeyOfNumber(channels, scanList.record().word(offset));
  });
}

void ResolveReferences(ChannelItem& channel, const RadioDataContainer& container) {
  ResolveReferences(channel, container.personalities(), container.scanLists());
}

void ResolveReferences(ScanListItem& scanList, const RadioDataContainer& container) {
  ResolveReferences(scanList, container.channels());
}

void RenumberReferences(RadioDataContainer& container) {
  for (const auto& channel : container.channels()) {
    ChannelRecord& record = channel->record();
    if (auto at = PositionOf(container.personalities(), channel->personalityLink()))
      record.setPersonalityIndex(static_cast<std::uint8_t>(*at));
    if (auto at = PositionOf(container.scanLists(), channel->scanListLink()))
      record.setScanListNumber(static_cast<std::uint8_t>(*at + 1));
  }
  for (const auto& scanList : container.scanLists()) {
    ForEachChannelReference(*scanList, [&](std::size_t offset, int& link) {
      if (auto at = PositionOf(container.channels(), link))
        scanList->record().setWord(offset, static_cast<std::uint16_t>(*at + 1));
    });
  }
}

void ForgetChannel(RadioDataContainer& container, int channelKey, int replacementKey) {
  if (channelKey == 0) return;
  for (const auto& scanList : container.scanLists()) {
    ScanListRecord& record = scanList->record();
    auto& members = scanList->memberLinks();
    auto empty = [&](std::size_t slot) {
      members[slot] = 0;
      record.setMember(slot, kNoChannel);
    };
    // The used slots close up over the channel's; the slots past the entry
    // count are not scanned and only lose the channel.
    const std::size_t used = std::min<std::size_t>(record.entryCount(), kScanListMembers);
    std::size_t kept = 0;
    for (std::size_t slot = 0; slot < used; ++slot) {
      if (members[slot] == channelKey) continue;
      members[kept] = members[slot];
      record.setMember(kept, record.member(slot));
      ++kept;
    }
    for (std::size_t slot = kept; slot < used; ++slot) empty(slot);
    if (kept != used) record.setEntryCount(static_cast<std::uint8_t>(kept));
    for (std::size_t slot = used; slot < kScanListMembers; ++slot)
      if (members[slot] == channelKey) empty(slot);
    if (scanList->designatedLink() == channelKey) scanList->setDesignatedLink(replacementKey);
    if (scanList->priorityLink() == channelKey) scanList->setPriorityLink(replacementKey);
    if (scanList->furtherLink() == channelKey) scanList->setFurtherLink(replacementKey);
  }
}

int ScanChannelLink(const ScanListItem& scanList, std::size_t offset) {
  const int* link = scanList.channelLinkAt(offset);
  return link ? *link : 0;
}

void SetScanChannel(ScanListItem& scanList, std::size_t offset, int channelKey, const ItemList<ChannelItem>& channels) {
  int* link = scanList.channelLinkAt(offset);
  if (!link) return;
  if (channelKey == 0) {
    scanList.record().setWord(offset, kNoChannel);
    return;
  }
  *link = channelKey;
  if (auto at = PositionOf(channels, channelKey))
    scanList.record().setWord(offset, static_cast<std::uint16_t>(*at + 1));
}

}  // namespace vex
