#pragma once
// CDlgFactoryMode (command 32698): the radio's model block — model name,
// band, band edges, frequency range id, serial number, oscillator, middle
// frequency, signalling type, open channel number — read from and written to
// the radio, and its manual tune switch. Works on a private copy of the
// model data; leaving the dialog gives it to the container and the settings.
#include <map>

#include <QDialog>

#include "base/text_ids.h"
#include "core/factory_model.h"
#include "link/radio_link.h"
#include "workflow/factory_settings.h"

namespace vex::gui {

class CDlgFactoryMode : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = text::kCaptionFactoryMode;
  enum Control : int {
    kModelName = 4811,
    kOpenChannels = text::kFactoryOpenChannelsList,
    kSerial = 4815,
    kLowerEdge = text::kFactoryLowerEdgeRange,
    kUpperEdge = text::kFactoryUpperEdgeRange,
    kOscillator = text::kFactoryOscillatorRange,
    kMiddleFrequency = text::kFactoryMiddleFreqRange,
    kWrite = text::kFactoryWrite,
    kRead = text::kFactoryRead,
    kClose = text::kFactoryClose,
    kTuneOpen = text::kFactoryTuneOpen,
    kTuneClose = text::kFactoryTuneClose,
    kWriteTuneSwitch = text::kFactoryWriteTuneSwitch,
    kSignalling = text::kFactorySignalingList,
    kBand = text::kFactoryBandList,
    kRangeId = 4852,
    kFirmware = 4854,
  };

  explicit CDlgFactoryMode(QWidget* parent = nullptr);

  const FactoryModel& model() const { return model_; }
  // What leaving the dialog changed (valid once it has closed).
  const FactoryChanges& changes() const { return changes_; }

  void done(int result) override;

 private:
  void fill();
  void store();
  void showRange(int id, long raw);
  long storedRange(int id, long kept);
  void read();
  void write();
  void writeTuneSwitch();

  CRadioLink link_;
  FactoryModel before_;
  FactoryModel model_;
  FactoryChanges changes_;
  bool left_ = false;
  // What fill() showed in each range edit: an edit still showing it keeps
  // the model's value, so a value the edit cannot show (an erased band
  // edge) is not replaced by the nearest one it can.
  std::map<int, QString> filledRanges_;
};

}  // namespace vex::gui
