#pragma once
// CDlgModelInfo: model name, frequency range and signalling of the radio
// data, chosen from the model catalogue and the signalling option list.
#include <string>

#include <QDialog>

#include "config/model_catalogue.h"
#include "base/text_ids.h"

class QComboBox;

namespace vex {
class AppSettings;
}

namespace vex::gui {

struct ModelChoice {
  std::string modelId;
  std::string modelName;
  std::string freqRange;  // "lo-hi" in MHz
  int signal = 0;

  bool operator==(const ModelChoice&) const = default;
};

class CDlgModelInfo : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = text::kCaptionModelInfo;

  // Opens on the settings' current model, range and signalling. The dialog
  // changes no setting: the command applies the choice after OK.
  CDlgModelInfo(const AppSettings& settings, QWidget* parent = nullptr);

  const ModelChoice& choice() const { return choice_; }

 public:
  void accept() override;

 private:
  void fillRanges();
  void modelChosen(int index);
  void rangeChosen(int index);
  void signalChosen(int index);
  void updateSignalEnabled();

  const AppSettings& settings_;
  ModelCatalogue catalogue_;
  ModelChoice choice_;
  QComboBox* names_;
  QComboBox* ranges_;
  QComboBox* signals_;
};

}  // namespace vex::gui
