#pragma once
// Radio work off the UI thread: the work runs on a worker thread while the
// window shows a busy box and keeps repainting; every call the work makes to
// its host (messages, questions, settings) runs on the UI thread while the
// worker waits. The one helper for everything that talks to a radio: the
// factory link, tuning, Factory Mode, embedded data and the preparation of
// a whole-image transfer.
#include <functional>

#include "link/transfer_host.h"

class QWidget;

namespace vex::gui {

// A host whose every call runs on the UI thread: called from another thread
// the caller waits for it; called on the UI thread it runs at once.
class UiThreadHost : public TransferHost {
 public:
  explicit UiThreadHost(TransferHost& inner) : inner_(inner) {}

  int comPort() const override;
  void setComPort(int port) override;
  std::string portDevice() const override;
  std::string portSetting(int port) const override;
  int checkRadio(TransferDirection direction, const RadioIdentity& identity, RangeEntry& band) override;
  std::optional<std::string> askPassword(TransferDirection direction, int attempt) override;
  void showMessage(int messageId, const MessageArgument& argument) override;
  void storeIdentity(const RadioIdentity& identity, const std::string& bandText, IdentityUse use) override;
  std::string freqRange() const override;
  bool isExtendedLevel() const override;
  bool confirmWriteWarning() override;
  void report(const TransferReport& r) override;
  void factoryLinkOpened(const RangeEntry& band) override;
  void identityRefreshed(const RangeEntry& band) override;

 private:
  TransferHost& inner_;
};

// Runs `work` with a host that forwards to `host` on the UI thread; returns
// work's result. While it runs, a modal busy box over `owner` takes the
// user's input. Called again while work runs, it returns 0 at once.
int runRadioWork(QWidget* owner, TransferHost& host, const std::function<int(TransferHost&)>& work);
// The same with the application's own host (GuiLinkHost) over `owner`.
int runRadioWork(QWidget* owner, const std::function<int(TransferHost&)>& work);

// True while radio work runs.
bool radioWorkRunning();

}  // namespace vex::gui
