#pragma once
// CPageChanBasic: the Basic page of the channel view — spacing, power, and
// for receive and transmit the frequency, tone type and tone. Frequencies are
// typed (CFreqEdit) or, in PMR446 mode, chosen from the PMR446 list. The page
// is one row of channel texts (the channel grid's): it loads and stores
// through the library's row rules, so both views store a channel alike.
#include "core/channel_values.h"
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
    kSpacing = 3661,
    kPower = 3663,
    kRxFrequency = 3666,
    kRxType = 3668,
    kRxCtcss = 3670,
    kRxCdcss = 3672,
    kCopyToTransmit = 3682,
    kTxFrequency = 3675,
    kTxType = 3677,
    kTxCtcss = 3679,
    kTxCdcss = 3681,
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
