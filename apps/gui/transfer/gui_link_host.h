#pragma once
// The TransferHost of the desktop application: the settings in use and the
// model's range table answer through SettingsTransferHost; messages, the
// password and the write notice go through the prompts.
#include <functional>

#include "config/range_table.h"
#include "workflow/settings_transfer_host.h"

class QWidget;

namespace vex::gui {

class GuiLinkHost : public SettingsTransferHost {
 public:
  explicit GuiLinkHost(QWidget* owner);

  std::optional<std::string> askPassword(TransferDirection direction, int attempt) override;
  void showMessage(int messageId, const MessageArgument& argument = {}) override;
  bool confirmWriteWarning() override;
  void report(const TransferReport&) override {}
  void factoryLinkOpened(const RangeEntry& band) override;

  // What happens once the factory link has identified the radio.
  void setFactoryLinkOpened(std::function<void(const RangeEntry&)> handler) { onFactoryLink_ = std::move(handler); }

  // The warning notice is switched off for the rest of the run.
  static bool& writeNoticeSwitchedOff();

 private:
  QWidget* owner_;
  std::function<void(const RangeEntry&)> onFactoryLink_;
};

// The settings values that describe the data in the container, and the
// model's range table; a read that does not complete puts them back.
class IdentitySnapshot {
 public:
  IdentitySnapshot();
  void restore() const;

 private:
  std::string modelId_, modelName_, dataVersion_, freqRange_, previousFreqRange_;
  int signal_ = 0;
  RangeTable ranges_;
};

// Offers the radio's band as a new range of the model (Yes/No question).
void offerNewRange(QWidget* owner, const RangeEntry& band);

}  // namespace vex::gui
