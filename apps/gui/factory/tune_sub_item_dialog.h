#pragma once
// CDlgTuneSubItem ("Tune Sub Item", template 7004): tunes the sub-items of
// one tuning item on the open adjustment link — spacing buttons, one tab per
// sub-item, the value and volume scroll bars, the output switch, and OK,
// which ends the tuning keeping the values. Closing any other way ends it
// without keeping them. A radio failure closes the dialog; closeMessage()
// then names the message text to show.
#include <QDialog>

#include "base/text_ids.h"
#include "link/tune_session.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabBar;

namespace vex::gui {

class CDlgTuneSubItem : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 7004;
  enum Control : int {
    kRxFrequency = 7061,
    kTxFrequency = 7063,
    kTabs = text::kTunePointNames,
    kOutput = text::kTuneTxOn,
    kNarrow = text::kTuneNarrow,
    kWide = text::kTuneWide,
    kOk = text::kTuneOk,
    kVolume = 7077,
    kValueMax = 7078,
    kValueMin = 7079,
    kValueText = text::kTuneValuePrefix,
    kValue = 7081,
    kVolumeText = text::kTuneVolumePrefix,
    kMiddle = text::kTuneMiddle,
  };

  // `value` is the first sub-item's value, read before the dialog opens.
  CDlgTuneSubItem(CRadioLink& link, const TuneItem& item, std::uint16_t value, QWidget* parent = nullptr);

  int closeMessage() const { return closeMessage_; }
  const TuneSession& session() const { return session_; }

  void done(int result) override;

 private:
  // Runs a step of the session on the radio; a closing step closes the
  // dialog and gives false.
  bool run(const std::function<TuneStep()>& step);
  void buildTabs();
  void showSpacing();
  void showValue();
  void showOutput();
  void spacingChosen(Spacing spacing);
  void tabChosen(int index);
  void valueSet(int value);
  void volumeSet(int value);
  void outputToggled(bool on);
  void okPressed();

  TuneSession session_;
  int closeMessage_ = 0;
  bool ended_ = false;
  QTabBar* tabs_;
  QScrollBar* value_;
  QScrollBar* volume_;
  QPushButton* output_;
};

}  // namespace vex::gui
