// The transfer host of the command-line tool, one per radio: the port named
// on the command line (or the remembered port and the scan), the password
// sent once, messages to stderr and progress to a row of the display. The
// hosts of one command share the settings, which they use under a lock, so
// that several radios can be read or written at once.
#pragma once

#include "cli_environment.h"
#include "progress_display.h"

#include "link/image_transfer.h"
#include "workflow/settings_transfer_host.h"

#include <mutex>
#include <optional>
#include <string>

namespace vex::cli {

// What the hosts of one command share.
struct HostShared {
  HostShared(Environment& env, AppSettings& settings, RangeTable& ranges, ProgressDisplay& progress)
      : env(env), settings(settings), ranges(ranges), progress(progress) {}

  Environment& env;
  AppSettings& settings;
  RangeTable& ranges;
  ProgressDisplay& progress;
  std::optional<std::string> password;  // --password or VEXPROG_PASSWORD
  bool severalRadios = false;           // messages name their port
  bool printDone = true;                // the done message goes to stdout at once
  std::mutex settingsLock;
  std::mutex promptLock;
};

class CliTransferHost : public SettingsTransferHost {
 public:
  // `device` is the port named on the command line ("" for the remembered
  // port and the scan); `row` is this radio's row of the progress display.
  CliTransferHost(HostShared& shared, TransferDirection direction, std::string device, std::size_t row);

  int comPort() const override;
  void setComPort(int port) override;
  std::string portDevice() const override { return device_; }
  std::string portSetting(int port) const override;
  int checkRadio(TransferDirection direction, const RadioIdentity& identity, RangeEntry& band) override;
  // The password is sent once: a second request after a refusal ends the
  // transfer, since guessing again risks locking the radio.
  std::optional<std::string> askPassword(TransferDirection direction, int attempt) override;
  void showMessage(int messageId, const MessageArgument& argument = {}) override;
  void storeIdentity(const RadioIdentity& identity, const std::string& bandText, IdentityUse use) override;
  std::string freqRange() const override;
  bool isExtendedLevel() const override;
  // The command prints the password notice once for all radios.
  bool confirmWriteWarning() override { return true; }
  void report(const TransferReport& report) override;

  // A message about this radio, "vexprog-cli: [PORT: ]text".
  void say(const std::string& text);
  // The message texts shown for this radio, in order.
  const std::vector<std::string>& said() const { return said_; }

 private:
  std::string messageText(int messageId, const MessageArgument& argument) const;

  HostShared& shared_;
  TransferDirection direction_;
  std::string device_;
  std::size_t row_;
  std::vector<std::string> said_;
};

}  // namespace vex::cli
