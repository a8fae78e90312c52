#include "core/validation.h"

#include <algorithm>
#include <string>

#include "base/text_ids.h"
#include "core/invalid_log.h"

namespace vex {
namespace {

constexpr int kChannelTitle = text::kCaptionChannel;
constexpr int kChannelMiscPage = text::kCaptionChannelOptions;
constexpr int kScanTitle = text::kCaptionScan;
constexpr int kScanConfigPage = text::kCaptionScanConfig;
constexpr int kScanChannelPage = text::kCaptionScanMembers;
constexpr int kDesignatedTxMode = 1;
constexpr int kPriorityChannelMode = 1;

std::string Title(const ValidationScope& scope, int titleId, std::size_t number) {
  return LookUp(scope.text, titleId) + " - " + std::to_string(number) + ": ";
}

void Report(const ValidationScope& scope, int itemKey, int labelId, const std::string& location) {
  scope.log.add(LookUp(scope.text, labelId), location, FindingKey(itemKey, labelId));
}

}  // namespace

void ValidateChannel(const ChannelItem& channel, std::size_t number, const ValidationScope& scope) {
  const std::string location = Title(scope, kChannelTitle, number) + LookUp(scope.text, kChannelMiscPage);
  if (!scope.personalities.containsKey(channel.personalityLink())) {
    Report(scope, channel.key(), ChannelItem::kPersonalityLabel, location);
  }
  // A scan list number whose list does not exist resolves to no link; it is
  // reported as well, since the radio would get a dangling number.
  const bool wantsScanList = channel.scanListLink() != 0 || channel.record().scanListNumber() != 0;
  if (wantsScanList && !scope.scanLists.containsKey(channel.scanListLink())) {
    Report(scope, channel.key(), ChannelItem::kScanListLabel, location);
  }
}

void ValidateScanList(const ScanListItem& scanList, std::size_t number, const ValidationScope& scope) {
  const std::string title = Title(scope, kScanTitle, number);
  const auto& record = scanList.record();

  const std::string membersPage = title + LookUp(scope.text, kScanChannelPage);
  const std::size_t used = std::min<std::size_t>(record.entryCount(), layout::kScanListMemberCount);
  for (std::size_t slot = 0; slot < used; ++slot) {
    if (!scope.channels.containsKey(scanList.memberLinks()[slot])) {
      const int slotIndex = static_cast<int>(slot);
      scope.log.add(LookUp(scope.text, ScanListItem::kMemberLabelFirst + slotIndex), membersPage,
                    FindingKey(scanList.key(), ScanListItem::kMemberControlFirst - 1 + slotIndex));
    }
  }

  const std::string configPage = title + LookUp(scope.text, kScanConfigPage);
  if (record.txMode() == kDesignatedTxMode && !scope.channels.containsKey(scanList.designatedLink())) {
    Report(scope, scanList.key(), ScanListItem::kDesignatedLabel, configPage);
  }
  if (record.priorityMode() == kPriorityChannelMode && !scope.channels.containsKey(scanList.priorityLink())) {
    Report(scope, scanList.key(), ScanListItem::kPriorityLabel, configPage);
  }
}

}  // namespace vex
