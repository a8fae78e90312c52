#include "channels/chan_misc_page.h"

#include <QComboBox>

#include "adapters/radio_data.h"
#include "base/text_ids.h"
#include "channels/channel_data.h"
#include "core/channel_links.h"
#include "core/container.h"
#include "toolkit/control_id.h"

namespace vex::gui {
namespace {

using K = ControlKind;
using P = CPageChanMisc;

constexpr ControlDef kControls[] = {
    {SchemaField(FieldArea::Channel, "personality").label, K::Label, "Personality List", 14, 13, 84, 10},
    {P::kPersonality, K::Combo, "", 100, 11, 64, 13},
    {text::kChanScanGroup, K::Group, "Scan", 6, 32, 288, 56},
    {SchemaField(FieldArea::Channel, "scan_list").label, K::Label, "Scan List", 14, 49, 84, 10},
    {P::kScanList, K::Combo, "", 100, 47, 64, 13},
    {P::kAutoStartScan, K::Check, "Auto Start Scan", 14, 67, 180, 12},
    {P::kAtis, K::Check, "ATIS", 14, 100, 180, 12, kStyleHidden},  // kept, not offered
};
constexpr FormDef kForm{P::kTemplateId, "Options", 300, 160, kControls};

}  // namespace

CPageChanMisc::CPageChanMisc(QWidget* parent) : CPropertyPage(kForm, FieldArea::Channel, parent) {}

QComboBox* CPageChanMisc::combo(int id) const { return findControlAs<QComboBox>(this, id); }

void CPageChanMisc::fillLists() {
  const ChannelItem* item = channel_data::channel(channel_);
  const RadioDataContainer& data = channel_data::container();
  const ChannelRowContext context = channel_data::rowContext();
  // Entry i names the record at position i (scan lists: entry 0 none).
  const auto fill = [&context](QComboBox* combo, ChannelColumn column, auto keyOf) {
    combo->clear();
    int i = 0;
    for (const std::string& text : ChannelColumnOf(column).options(context))
      combo->addItem(QString::fromStdString(text), keyOf(i++));
  };
  fill(combo(kPersonality), ChannelColumn::Personality, [&data](int i) { return data.personalities().keyAt(i); });
  fill(combo(kScanList), ChannelColumn::ScanList,
       [&data](int i) { return i == 0 ? 0 : data.scanLists().keyAt(i - 1); });
  if (!item) return;
  combo(kPersonality)->setCurrentIndex(combo(kPersonality)->findData(item->personalityLink()));
  // No scan list is entry 0; a number whose list is gone shows no entry.
  const bool noScanList = item->record().scanListNumber() == 0;
  const int scanEntry = item->scanListLink() == 0 ? -1 : combo(kScanList)->findData(item->scanListLink());
  combo(kScanList)->setCurrentIndex(noScanList ? 0 : scanEntry);
}

void CPageChanMisc::loadRecord(ViewRecord& record) {
  RecordForm::loadRecord(record);  // the two flags
  record.texts.erase(kPersonality);
  record.texts.erase(kScanList);
  fillLists();
}

void CPageChanMisc::storeRecord(const ViewRecord& record) {
  ChannelItem* item = channel_data::channel(channel_);
  if (!item) return;
  RecordForm::storeRecord(record);
  const RadioDataContainer& data = channel_data::container();
  if (const int index = combo(kPersonality)->currentIndex(); index >= 0)
    ChoosePersonality(*item, static_cast<std::size_t>(index), data, nullptr);
  if (const int index = combo(kScanList)->currentIndex(); index >= 0)
    ChooseScanList(*item, static_cast<std::size_t>(index), data, nullptr);
}

void CPageChanMisc::userChangeStored(int id) {
  ChannelItem* item = channel_data::channel(channel_);
  const int index = (id == kPersonality || id == kScanList) ? combo(id)->currentIndex() : -1;
  if (item && index >= 0) {
    const RadioDataContainer& data = channel_data::container();
    InvalidLog* log = &radio_data::invalidLog();
    if (id == kPersonality) ChoosePersonality(*item, static_cast<std::size_t>(index), data, log);
    if (id == kScanList) ChooseScanList(*item, static_cast<std::size_t>(index), data, log);
  }
  CPropertyPage::userChangeStored(id);
}

}  // namespace vex::gui
