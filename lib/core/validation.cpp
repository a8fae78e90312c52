#include "core/validation.h"

#include <algorithm>
#include <string>

#include "base/text_ids.h"
#include "core/invalid_log.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"

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

void Report(const ValidationScope& scope, const Finding& finding, const std::string& location) {
  scope.log.add(LookUp(scope.text, finding.field->label), location, finding);
}

}  // namespace

void ValidateChannel(const ChannelItem& channel, std::size_t number, const ValidationScope& scope) {
  constexpr const FieldDef& personality = SchemaField(FieldArea::Channel, "personality");
  constexpr const FieldDef& scanList = SchemaField(FieldArea::Channel, "scan_list");
  const std::string location = Title(scope, kChannelTitle, number) + LookUp(scope.text, kChannelMiscPage);
  if (!scope.personalities.containsKey(channel.personalityLink())) {
    Report(scope, {RecordKind::Channel, number, channel.key(), &personality}, location);
  }
  // A scan list number whose list does not exist resolves to no link; it is
  // reported as well, since the radio would get a dangling number.
  const bool wantsScanList = channel.scanListLink() != 0 || channel.record().scanListNumber() != 0;
  if (wantsScanList && !scope.scanLists.containsKey(channel.scanListLink())) {
    Report(scope, {RecordKind::Channel, number, channel.key(), &scanList}, location);
  }
}

void ValidateScanList(const ScanListItem& scanList, std::size_t number, const ValidationScope& scope) {
  constexpr const FieldDef& designated = SchemaField(FieldArea::ScanList, "designated_channel");
  constexpr const FieldDef& priority = SchemaField(FieldArea::ScanList, "priority_channel");
  constexpr SchemaArray members{FieldArea::ScanList, "member_1"};
  const std::string title = Title(scope, kScanTitle, number);
  const auto& record = scanList.record();
  auto finding = [&](const FieldDef& field) { return Finding{RecordKind::ScanList, number, scanList.key(), &field}; };

  const std::string membersPage = title + LookUp(scope.text, kScanChannelPage);
  const std::size_t used = std::min<std::size_t>(record.entryCount(), kScanListMembers);
  for (std::size_t slot = 0; slot < used; ++slot) {
    if (!scope.channels.containsKey(scanList.memberLinks()[slot])) {
      Report(scope, finding(members[slot]), membersPage);
    }
  }

  const std::string configPage = title + LookUp(scope.text, kScanConfigPage);
  if (record.txMode() == kDesignatedTxMode && !scope.channels.containsKey(scanList.designatedLink())) {
    Report(scope, finding(designated), configPage);
  }
  if (record.priorityMode() == kPriorityChannelMode && !scope.channels.containsKey(scanList.priorityLink())) {
    Report(scope, finding(priority), configPage);
  }
}

}  // namespace vex
