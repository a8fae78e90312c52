#include "channels/chan_basic_page.h"

#include <QComboBox>

#include "adapters/texts.h"
#include "base/text_ids.h"
#include "channels/channel_data.h"
#include "core/container.h"
#include "core/frequency_entry.h"
#include "toolkit/control_id.h"
#include "toolkit/entry_edits.h"
#include "toolkit/images.h"
#include "views/view_host.h"

namespace vex::gui {
namespace {

using K = ControlKind;
using C = ChannelColumn;
using P = CPageChanBasic;

consteval int label(std::string_view key) { return SchemaField(FieldArea::Channel, key).label; }

constexpr ControlDef kControls[] = {
    {label("spacing"), K::Label, "Channel Spacing", 10, 9, 74, 10},
    {P::kSpacing, K::Combo, "", 86, 7, 64, 13},
    {label("power"), K::Label, "Power Level", 160, 9, 60, 10},
    {P::kPower, K::Combo, "", 222, 7, 64, 13},
    {text::kChanReceiveGroup, K::Group, "Receive", 6, 26, 288, 68},
    {label("rx_frequency"), K::Label, "Frequency[MHz]", 14, 41, 78, 10},
    {P::kRxFrequency, K::Custom, "", 94, 39, 64, 13, 0, 0, nullptr, 0, &createFreqEdit},
    {P::kRxCode, K::Combo, "", 94, 39, 64, 13, kStyleHidden},
    {label("rx_tone_type"), K::Label, "RX Type", 14, 57, 78, 10},
    {P::kRxType, K::Combo, "", 94, 55, 64, 13},
    {label("rx_ctcss"), K::Label, "CTCSS", 168, 41, 60, 10},
    {P::kRxCtcss, K::Custom, "", 230, 39, 56, 13, 0, 0, nullptr, 0, &createCtcssCombo},
    {label("rx_cdcss"), K::Label, "CDCSS", 168, 57, 60, 10},
    {P::kRxCdcss, K::Custom, "", 230, 55, 56, 13, 0, 0, nullptr, 0, &createCdcssCombo},
    {P::kCopyToTransmit, K::ImageButton, "Copy RX to TX", 94, 73, 92, 14, 0, 0, nullptr, kImageCopyReceiveToTransmit},
    {text::kChanTransmitGroup, K::Group, "Transmit", 6, 100, 288, 52},
    {label("tx_frequency"), K::Label, "Frequency[MHz]", 14, 115, 78, 10},
    {P::kTxFrequency, K::Custom, "", 94, 113, 64, 13, 0, 0, nullptr, 0, &createFreqEdit},
    {P::kTxCode, K::Combo, "", 94, 113, 64, 13, kStyleHidden},
    {label("tx_tone_type"), K::Label, "TX Type", 14, 131, 78, 10},
    {P::kTxType, K::Combo, "", 94, 129, 64, 13},
    {label("tx_ctcss"), K::Label, "CTCSS", 168, 115, 60, 10},
    {P::kTxCtcss, K::Custom, "", 230, 113, 56, 13, 0, 0, nullptr, 0, &createCtcssCombo},
    {label("tx_cdcss"), K::Label, "CDCSS", 168, 131, 60, 10},
    {P::kTxCdcss, K::Custom, "", 230, 129, 56, 13, 0, 0, nullptr, 0, &createCdcssCombo},
};
constexpr FormDef kForm{P::kTemplateId, "Basic", 300, 160, kControls};

// Whether the page shows a column of the channel's row in the field's own
// control; the frequencies have edits of their own.
bool showsInControl(const QWidget* page, const ChannelColumnDef& column) {
  return column.edit != ChannelCellEdit::Frequency && findControl(page, column.field->control);
}

constexpr int kFirstCdcssType = kToneCdcss;

// The PMR446 list entry of a frequency text; -1 when it is none of them.
int codeIndexOf(const std::string& frequencyText) {
  const auto& texts = Pmr446FrequencyTexts();
  if (frequencyText.empty()) return 0;
  for (std::size_t i = 1; i < texts.size(); ++i)
    if (texts[i] == frequencyText) return static_cast<int>(i);
  return -1;
}

}  // namespace

CPageChanBasic::CPageChanBasic(QWidget* parent) : CPropertyPage(kForm, FieldArea::Channel, parent) {
  // Entry 0 stands for no frequency: the language's word for it.
  const std::string none = texts::label(text::kChanNoFrequency);
  for (int id : {kRxCode, kTxCode})
    for (const std::string& text : Pmr446FrequencyTexts())
      combo(id)->addItem(QString::fromStdString(combo(id)->count() == 0 && !none.empty() ? none : text));
  for (bool transmit : {false, true})
    connect(frequencyEdit(transmit), &CFreqEdit::outOfBand, this, [this] { warn(text::kMsgFrequencyClamped); });
}

CFreqEdit* CPageChanBasic::frequencyEdit(bool transmit) const {
  return findControlAs<CFreqEdit>(this, transmit ? kTxFrequency : kRxFrequency);
}

QComboBox* CPageChanBasic::combo(int id) const { return findControlAs<QComboBox>(this, id); }

void CPageChanBasic::initialUpdate() {
  CPropertyPage::initialUpdate();
  pmr446_ = channel_data::pmr446Mode();
  for (int id : {kRxCode, kTxCode}) control(id)->setVisible(pmr446_);
  for (int id : {kRxFrequency, kTxFrequency}) control(id)->setVisible(!pmr446_);
  setBandLimits();
}

void CPageChanBasic::setBandLimits() {
  const BandLimits band = channel_data::band();
  frequencyEdit(false)->setBand(band);
  frequencyEdit(true)->setBand(band);
  load();
}

void CPageChanBasic::loadRecord(ViewRecord& record) {
  const ChannelItem* item = channel_data::channel(channel_);
  if (!item) return;
  const ChannelRow row = LoadChannelRow(item->record(), channel_data::rowContext());
  for (const ChannelColumnDef& column : ChannelColumns())
    if (showsInControl(this, column)) record.texts[column.field->control] = row[IndexOf(column.column)];
  if (pmr446_) {
    // Without a receive frequency a channel transmits on none either: a
    // store clears it, so the list shows it so.
    const int rx = codeIndexOf(row[IndexOf(C::RxFrequency)]);
    combo(kRxCode)->setCurrentIndex(rx);
    combo(kTxCode)->setCurrentIndex(rx == 0 ? 0 : codeIndexOf(row[IndexOf(C::TxFrequency)]));
  } else {
    frequencyEdit(false)->setValue(item->record().rxFrequency());
    frequencyEdit(true)->setValue(item->record().txFrequency());
  }
}

ChannelRow CPageChanBasic::rowFromControls(const ViewRecord& record, const ChannelRow& stored) {
  ChannelRow row = stored;
  for (const ChannelColumnDef& column : ChannelColumns()) {
    const auto text = record.texts.find(column.field->control);
    if (showsInControl(this, column) && text != record.texts.end())
      row[IndexOf(column.column)] = dotted(QString::fromStdString(text->second)).toStdString();
  }
  for (bool transmit : {false, true}) {
    std::string& frequency = row[IndexOf(transmit ? C::TxFrequency : C::RxFrequency)];
    if (pmr446_) {
      // No entry shows a frequency that is none of the PMR446 ones: it stays.
      const int index = combo(transmit ? kTxCode : kRxCode)->currentIndex();
      if (index == 0) frequency.clear();
      if (index > 0) frequency = Pmr446FrequencyTexts()[static_cast<std::size_t>(index)];
    } else {
      CFreqEdit* edit = frequencyEdit(transmit);
      // Text typed but not yet left is taken as leaving the edit takes it.
      if (edit->text().toStdString() != ShowFrequencyEntry(edit->value()).text) edit->commit();
      frequency = edit->text().toStdString();
    }
  }
  return row;
}

void CPageChanBasic::storeRecord(const ViewRecord& record) {
  ChannelItem* item = channel_data::channel(channel_);
  if (!item) return;
  const ChannelRowContext context = channel_data::rowContext();
  const ChannelRow row = rowFromControls(record, LoadChannelRow(item->record(), context));
  const ChannelStoreResult result = StoreChannelRow(row, context, item->record());
  if (pmr446_) item->setEnabled(item->record().rxFrequency() != kNoFrequency ? 1 : 0);
  if (result.rxCdcssRefused || result.txCdcssRefused) warn(text::kMsgCdcssInvalid);
  if (result.bandUnknown && !warnedBandUnknown_) {
    warnedBandUnknown_ = true;
    warn(text::kMsgRangeUnknown);
  }
}

void CPageChanBasic::applyDependentEnabling(int changedId) {
  if (pmr446_) {
    applyFrequencyCodeRule(changedId);
    return;
  }
  if (changedId == 0 || changedId == kRxFrequency) {
    const bool rxEmpty = frequencyEdit(false)->text().trimmed().isEmpty();
    if (rxEmpty && changedId == kRxFrequency) frequencyEdit(true)->clear();
    setControlEnabled(kTxFrequency, !rxEmpty);
  }
  applyToneRule();
}

void CPageChanBasic::applyToneRule() {
  const ChannelItem* item = channel_data::channel(channel_);
  if (!item) return;
  const ChannelRecord& record = item->record();
  setControlEnabled(kRxCtcss, ChannelColumnOf(C::RxCtcss).inUse(record));
  setControlEnabled(kRxCdcss, ChannelColumnOf(C::RxCdcss).inUse(record));
  setControlEnabled(kTxCtcss, ChannelColumnOf(C::TxCtcss).inUse(record));
  setControlEnabled(kTxCdcss, ChannelColumnOf(C::TxCdcss).inUse(record));
}

void CPageChanBasic::applyFrequencyCodeRule(int changedId) {
  const bool rxOff = combo(kRxCode)->currentIndex() == 0;
  if (changedId == kRxCode && rxOff) combo(kTxCode)->setCurrentIndex(0);
  if (changedId != kTxCode) {
    const int rxType = combo(kRxType)->currentIndex();
    setControlEnabled(kRxType, !rxOff);
    setControlEnabled(kTxCode, !rxOff);
    setControlEnabled(kRxCtcss, !rxOff && rxType == kToneCtcss);
    setControlEnabled(kRxCdcss, !rxOff && rxType >= kFirstCdcssType);
  }
  const bool txOn = !rxOff && combo(kTxCode)->currentIndex() > 0;
  const int txType = combo(kTxType)->currentIndex();
  setControlEnabled(kTxType, txOn);
  setControlEnabled(kTxCtcss, txOn && txType == kToneCtcss);
  setControlEnabled(kTxCdcss, txOn && txType >= kFirstCdcssType);
}

void CPageChanBasic::userChangeStored(int id) {
  if (id == kCopyToTransmit) {
    if (ChannelItem* item = channel_data::channel(channel_)) CopyReceiveToTransmit(item->record());
    setBandLimits();
  } else if (pmr446_) {
    applyFrequencyCodeRule(kTxCode == id ? kTxCode : 0);
  } else {
    applyToneRule();
  }
  CPropertyPage::userChangeStored(id);
}

void CPageChanBasic::warn(int messageId) {
  // Shown once control is back in the event loop, never from inside the
  // edit's own focus change.
  QMetaObject::invokeMethod(
      this,
      [messageId] {
        if (ViewHost* host = ViewHost::current()) host->showMessageText(messageId);
      },
      Qt::QueuedConnection);
}

}  // namespace vex::gui
