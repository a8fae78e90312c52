#include "core/references.h"

#include "core/container.h"

namespace vex {
namespace {

int ChannelKeyOfNumber(const ItemList<ChannelItem>& channels, std::uint16_t number) {
  return number == 0 ? 0 : channels.keyAt(number - 1u);
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
  const ScanListRecord& record = scanList.record();
  scanList.setDesignatedLink(ChannelKeyOfNumber(channels, record.word(ScanListRecord::kDesignatedChannel)));
  scanList.setPriorityLink(ChannelKeyOfNumber(channels, record.word(ScanListRecord::kPriorityChannel)));
  scanList.setFurtherLink(ChannelKeyOfNumber(channels, record.word(ScanListRecord::kFurtherChannel)));
  for (std::size_t slot = 0; slot < layout::kScanListMemberCount; ++slot) {
    scanList.memberLinks()[slot] = ChannelKeyOfNumber(channels, record.member(slot));
  }
}

void ResolveReferences(ChannelItem& channel, const RadioDataContainer& container) {
  ResolveReferences(channel, container.personalities(), container.scanLists());
}

void ResolveReferences(ScanListItem& scanList, const RadioDataContainer& container) {
  ResolveReferences(scanList, container.channels());
}

}  // namespace vex
