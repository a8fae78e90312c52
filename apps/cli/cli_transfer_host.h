// The transfer host of the command-line tool: the port comes from --port,
// the password from --password, the questions are answered by the options,
// messages go to stderr and progress to a ProgressBar.
#pragma once

#include "cli_args.h"
#include "cli_environment.h"
#include "progress_bar.h"

#include "link/image_transfer.h"
#include "workflow/settings_transfer_host.h"

#include <optional>
#include <string>

namespace vex::cli {

// A port chosen on the command line: a number 1..16 ("COM5") or a device.
struct PortChoice {
  int port = 0;
  std::string device;
};

// "COM1".."COM16" (any case) or a device path; nothing for anything else.
std::optional<PortChoice> ParsePortArgument(const std::string& text);

struct TransferOptions {
  std::optional<PortChoice> port;       // none: the remembered port, then a scan
  std::optional<std::string> password;  // digits, at most 8
  ProgressBar::Style progress = ProgressBar::Style::None;
};

// The options read and write share: --port, --password and --verbose.
// kExitOk, or kExitUsage after telling the user what is wrong.
int ParseTransferOptions(Environment& env, const ParsedArgs& args, TransferOptions& options);

class CliTransferHost : public SettingsTransferHost {
 public:
  CliTransferHost(Environment& env, AppSettings& settings, RangeTable& ranges, TransferDirection direction,
                  TransferOptions options);

  // The port of --port first; without it the remembered one.
  int comPort() const override;
  std::string portDevice() const override;
  std::optional<std::string> askPassword(TransferDirection direction, int attempt) override;
  void showMessage(int messageId, const MessageArgument& argument = {}) override;
  // Prints the notice (when the data sets passwords) and goes on.
  bool confirmWriteWarning() override;
  void report(const TransferReport& report) override;

  // The notice text for the data about to be written; "" for none.
  void setWriteWarning(std::string text) { writeWarning_ = std::move(text); }

 private:
  Environment& env_;
  TransferOptions options_;
  ProgressBar progress_;
  std::string writeWarning_;
};

// Starts the transfer and waits for its end; true when it succeeded (the
// host has shown why otherwise).
bool RunTransfer(ImageTransfer& transfer);

}  // namespace vex::cli
