#pragma once
// The TransferHost of the desktop application: the settings in use, the
// model catalogue, and the prompts for messages and questions.
#include <functional>

#include "config/range_table.h"
#include "link/transfer_host.h"

class QWidget;

namespace vex {
class AppSettings;
}

namespace vex::gui {

class GuiLinkHost : public TransferHost {
 public:
  explicit GuiLinkHost(QWidget* owner);

  int comPort() const override;
  void setComPort(int port) override;
  std::string portSetting(int port) const override;
  int checkRadio(TransferDirection direction, const RadioIdentity& identity, RadioBand& band) override;
  std::optional<std::string> askPassword(TransferDirection direction, int attempt) override;
  void showMessage(int messageId, const MessageArgument& argument = {}) override;
  void storeIdentity(const RadioIdentity& identity, const std::string& bandText, IdentityUse use) override;
  std::string freqRange() const override;
  bool isExtendedLevel() const override;
  bool confirmWriteWarning() override;
  void report(const TransferReport&) override {}
  void factoryLinkOpened(const RadioBand& band) override;

  // What happens once the factory link has identified the radio.
  void setFactoryLinkOpened(std::function<void(const RadioBand&)> handler) { onFactoryLink_ = std::move(handler); }

  // The warning notice is switched off for the rest of the run.
  static bool& writeNoticeSwitchedOff();

 protected:
  QWidget* owner() const { return owner_; }

 private:
  QWidget* owner_;
  std::function<void(const RadioBand&)> onFactoryLink_;
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
void offerNewRange(QWidget* owner, const RadioBand& band);

}  // namespace vex::gui
