#pragma once
// CPageChanBasic: the Basic page of the channel view — spacing, power, and
// for receive and transmit the frequency, tone type and tone. Frequencies are
// typed (CFreqEdit) or, in PMR446 mode, chosen from the PMR446 list. The page
// is one row of channel texts (the channel grid's): it loads and stores
// through the library's row rules, so both views store a channel alike.
#include "base/text_ids.h"
#include "core/channel_values.h"
#include "core/schema/schema_table.h"
#include "views/property_page.h"
#include "workflow/channel_row.h"

class QComboBox;

namespace vex::gui {

class CFreqEdit;

class CPageChanBasic : public CPropertyPage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 3656;
  enum : int {
    kSpacing = SchemaField(FieldArea::Channel, "spacing").control,
    kPower = SchemaField(FieldArea::Channel, "power").control,
    kRxFrequency = SchemaField(FieldArea::Channel, "rx_frequency").control,
    kRxType = SchemaField(FieldArea::Channel, "rx_tone_type").control,
    kRxCtcss = SchemaField(FieldArea::Channel, "rx_ctcss").control,
    kRxCdcss = SchemaField(FieldArea::Channel, "rx_cdcss").control,
    kCopyToTransmit = text::kChanCopyRxToTx,
    kTxFrequency = SchemaField(FieldArea::Channel, "tx_frequency").control,
    kTxType = SchemaField(FieldArea::Channel, "tx_tone_type").control,
    kTxCtcss = SchemaField(FieldArea::Channel, "tx_ctcss").control,
    kTxCdcss = SchemaField(FieldArea::Channel, "tx_cdcss").control,
    kRxCode = 3684,
    kTxCode = 3685,
  };

  explicit CPageChanBasic(QWidget* parent = nullptr);

  // The channel the page edits (its item key; 0: none).
  void setChannel(int key) { channel_ = key; }
  // Texts, tone lists, and the mode (typed or PMR446 frequencies).
  void initialUpdate() override;
  bool pmr446Mode() const { return pmr446_; }
  // The frequency edits take the current range's band and the page reloads.
  void setBandLimits();
  CFreqEdit* frequencyEdit(bool transmit) const;
  QComboBox* combo(int id) const;

 protected:
  void loadRecord(ViewRecord& record) override;
  void storeRecord(const ViewRecord& record) override;
  void applyDependentEnabling(int changedId) override;
  void userChangeStored(int id) override;

 private:
  void applyToneRule();
  void applyFrequencyCodeRule(int changedId);
  // The page's controls as a row of channel texts over the stored row.
  ChannelRow rowFromControls(const ViewRecord& record, const ChannelRow& stored);
  void warn(int messageId);

  int channel_ = 0;
  bool pmr446_ = false;
  bool warnedBandUnknown_ = false;
};

}  // namespace vex::gui
