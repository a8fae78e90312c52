#include "channels/scan_pages.h"

#include <algorithm>
#include <array>

#include <QComboBox>

#include "adapters/field_controls.h"
#include "adapters/radio_data.h"
#include "base/text_ids.h"
#include "core/container.h"
#include "core/references.h"
#include "toolkit/control_id.h"

namespace vex::gui {
namespace {

enum : int {
  kToneMode = 3830,
  kTxMode = text::kScanTxModeList,
  kHangTime = text::kScanHangTimeList,
  kDesignated = 3850,
  kPriorityMode = text::kScanPriorityModeList,
  kPriorityChannel = 3836,
  kPriorityDeleteAdd = text::kScanPriorityDeleteAdd,
  kSweepTime = text::kScanSweepTimeList,
  kCount = text::kScanCountList,
  kFirstSlot = 3873,
  kFirstSlotLabel = text::kScanSlot1Label,
};
constexpr int kSlots = 16;

// Scan TX mode whose transmissions go to the designated channel.
constexpr long kDesignatedTxMode = 1;
// Priority modes: none, and a fixed priority channel.
constexpr long kNoPriority = 0;
constexpr long kFixedPriority = 1;

using K = ControlKind;
constexpr ControlDef kConfigControls[] = {
    {3829, K::Label, "CTCSS/CDCSS Scan Mode1", 10, 12, 112, 12},
    {kToneMode, K::Combo, "", 126, 11, 124, 13},
    {text::kScanTxGroup, K::Group, "TX1", 7, 30, 250, 66},
    {text::kScanTxModeLabel, K::Label, "Scan TX Mode1", 14, 44, 108, 12},
    {kTxMode, K::Combo, "", 126, 43, 124, 13},
    {text::kScanHangTimeLabel, K::Label, "Hang Time[s]1", 14, 60, 108, 12},
    {kHangTime, K::Combo, "", 126, 59, 60, 13},
    {text::kScanDesignatedLabel, K::Label, "Designed Channel No1", 14, 76, 108, 12},
    {kDesignated, K::Combo, "", 126, 75, 60, 13},
    {text::kScanPriorityGroup, K::Group, "Priority Channel1", 7, 102, 250, 66},
    {text::kScanPriorityModeLabel, K::Label, "Priority Channel 11", 14, 116, 108, 12},
    {kPriorityMode, K::Combo, "", 126, 115, 124, 13},
    {text::kScanPriorityChannelLabel, K::Label, "Priority Channel 1 No1", 14, 132, 108, 12},
    {kPriorityChannel, K::Combo, "", 126, 131, 60, 13},
    {kPriorityDeleteAdd, K::Check, "Priority Channel 1 Delete/Add1", 190, 132, 60, 12},
    {text::kScanSweepTimeLabel, K::Label, "Priority Sweep Time[ms]1", 14, 148, 108, 12},
    {kSweepTime, K::Combo, "", 126, 147, 60, 13},
    {text::kScanStartAlert, K::Check, "Scan Start Alert1", 266, 12, 118, 12},
    {text::kScanEndAlert, K::Check, "Scan End Alert1", 266, 28, 118, 12},
    {text::kScanPriorityAlert, K::Check, "Priority Scan Alert1", 266, 44, 118, 12},
    {text::kScanIncludeCurrent, K::Check, "Include Current Channel1", 266, 60, 118, 12},
    {text::kScanTalkback, K::Check, "Talkback Enable1", 266, 76, 118, 12},
    {text::kScanNuisanceDelete, K::Check, "Nuisance Delete1", 266, 92, 118, 12},
    {text::kScanNuisanceReset, K::Check, "Nuisance Reset1", 266, 108, 118, 12},
};
constexpr FormDef kConfigForm{CConfigPage::kTemplateId, "Scan Configuration", 390, 176, kConfigControls};
constexpr int kConfigChannelLists[] = {kDesignated, kPriorityChannel};
// Kept in the record, not offered.
constexpr int kConfigHidden[] = {kPriorityDeleteAdd, text::kScanNuisanceDelete, text::kScanNuisanceReset};

constexpr const char* kSlotTexts[kSlots] = {"Channel 1a",  "Channel 2a",  "Channel 3a",  "Channel 4a",
                                            "Channel 5a",  "Channel 6a",  "Channel 7a",  "Channel 8a",
                                            "Channel 9a",  "Channel 10a", "Channel 11a", "Channel 12a",
                                            "Channel 13a", "Channel 14a", "Channel 15a", "Channel 16a"};

// The count list, then per slot its label and channel list, down two columns of eight.
constexpr std::array<ControlDef, 2 + 2 * kSlots> MembersControls() {
  std::array<ControlDef, 2 + 2 * kSlots> controls{{
      {text::kScanCountLabel, K::Label, "Number of Entries in Scan List", 10, 12, 150, 12},
      {kCount, K::Combo, "", 164, 11, 50, 13},
  }};
  for (int slot = 0; slot < kSlots; ++slot) {
    const int x = 10 + 130 * (slot / 8);
    const int y = 36 + 17 * (slot % 8);
    controls[2 + 2 * slot] = {kFirstSlotLabel + slot, K::Label, kSlotTexts[slot], x + 8, y + 1, 56, 12};
    controls[3 + 2 * slot] = {kFirstSlot + slot, K::Combo, "", x + 66, y, 50, 13};
  }
  return controls;
}
constexpr auto kMembersControls = MembersControls();
constexpr FormDef kMembersForm{CChannelListPage::kTemplateId, "Scan Members", 390, 176, kMembersControls};

constexpr std::array<int, kSlots> SlotLists() {
  std::array<int, kSlots> ids{};
  for (int slot = 0; slot < kSlots; ++slot) ids[slot] = kFirstSlot + slot;
  return ids;
}
constexpr auto kSlotLists = SlotLists();

const FieldDef* scanField(int id) { return fieldOfControl(FieldArea::ScanList, id); }

}  // namespace

CScanPage::CScanPage(const FormDef& formDef, std::span<const int> channelLists, QWidget* parent)
    : CPropertyPage(formDef, FieldArea::ScanList, parent), channelLists_(channelLists.begin(), channelLists.end()) {}

void CScanPage::refillChannelLists() {
  const auto& channels = RadioDataContainer::instance().channels();
  const ScanListItem* item = scanList();
  for (int id : channelLists_) {
    auto* combo = findControlAs<QComboBox>(this, id);
    const FieldDef* field = scanField(id);
    if (!combo || !field) continue;
    const int link = item ? ScanChannelLink(*item, field->offset) : 0;
    combo->clear();
    for (std::size_t i = 0; i < channels.size(); ++i) {
      combo->addItem(QString::number(i + 1), channels.keyAt(i));
      if (link != 0 && channels.keyAt(i) == link) combo->setCurrentIndex(static_cast<int>(i));
    }
    if (link == 0 || !channels.containsKey(link)) combo->setCurrentIndex(-1);
  }
}

void CScanPage::loadRecord(ViewRecord& record) {
  CPropertyPage::loadRecord(record);
  // The channel lists select by the reference, not by the stored number.
  for (int id : channelLists_) record.texts.erase(id);
  refillChannelLists();
}

void CScanPage::storeRecord(const ViewRecord& record) {
  CPropertyPage::storeRecord(record);
  ScanListItem* item = scanList();
  if (!item) return;
  const auto& channels = RadioDataContainer::instance().channels();
  for (int id : channelLists_) {
    auto* combo = findControlAs<QComboBox>(this, id);
    const FieldDef* field = scanField(id);
    if (!combo || !field) continue;
    const int key = combo->currentIndex() >= 0 ? combo->currentData().toInt() : 0;
    SetScanChannel(*item, field->offset, key, channels);
  }
}

void CScanPage::withdrawFinding(int id) const {
  if (std::find(channelLists_.begin(), channelLists_.end(), id) == channelLists_.end()) return;
  auto* combo = findControlAs<QComboBox>(this, id);
  const ScanListItem* item = scanList();
  if (combo && combo->currentIndex() >= 0 && item) radio_data::invalidLog().remove(item->key(), scanField(id));
}

long CScanPage::shownValue(int id) const {
  auto* combo = findControlAs<QComboBox>(this, id);
  if (combo && combo->currentIndex() >= 0) return combo->currentData().toLongLong();
  const FieldDef* field = scanField(id);
  return field ? ReadField(*field, recordBytes()) : -1;
}

CConfigPage::CConfigPage(QWidget* parent) : CScanPage(kConfigForm, kConfigChannelLists, parent) {
  for (int id : kConfigHidden) control(id)->hide();
}

void CConfigPage::applyDependentEnabling(int changedId) {
  if (changedId == 0 || changedId == kTxMode) setControlEnabled(kDesignated, shownValue(kTxMode) == kDesignatedTxMode);
  if (changedId == 0 || changedId == kPriorityMode) {
    const long mode = shownValue(kPriorityMode);
    setControlEnabled(kPriorityChannel, mode == kFixedPriority);
    setControlEnabled(kPriorityDeleteAdd, mode != kNoPriority);
    setControlEnabled(kSweepTime, mode != kNoPriority);
  }
}

void CConfigPage::userChangeStored(int id) {
  withdrawFinding(id);
  ChangeNotice notice;
  notice.source = kTemplateId;
  notice.controlId = id;
  notice.kind = ChangeNotice::kFieldEdit;
  notice.field = scanField(id);
  if (const ScanListItem* item = scanList()) notice.key = item->key();
  emit fieldEdited(notice);
}

CChannelListPage::CChannelListPage(QWidget* parent) : CScanPage(kMembersForm, kSlotLists, parent) {}

void CChannelListPage::applyDependentEnabling(int changedId) {
  if (changedId != 0 && changedId != kCount) return;
  auto* count = findControlAs<QComboBox>(this, kCount);
  // Slots past the entry count are not used; their channels stay stored.
  const int used = count && count->currentIndex() >= 0 ? count->currentText().toInt() : kSlots;
  for (int slot = 0; slot < kSlots; ++slot) setControlEnabled(kFirstSlot + slot, slot < used);
}

void CChannelListPage::userChangeStored(int id) {
  withdrawFinding(id);
  CScanPage::userChangeStored(id);
}

}  // namespace vex::gui
