#include "workflow/station/station_host.h"

#include "base/terminal_text.h"
#include "base/text_ids.h"
#include "config/app_settings.h"
#include "config/safe_format.h"
#include "link/transfer_messages.h"

namespace vex {

StationHost::StationHost(StationShared& shared, std::string device, Progress progress)
    : SettingsTransferHost(shared.settings, shared.ranges),
      shared_(shared),
      device_(std::move(device)),
      progress_(std::move(progress)) {}

int StationHost::checkRadio(TransferDirection, const RadioIdentity& identity, RangeEntry& band) {
  int result = 0;
  std::string expectedId;
  std::string expectedName;
  {
    std::lock_guard lock(shared_.lock);
    expectedId = shared_.settings.modelId();
    expectedName = shared_.settings.modelName();
    result = SettingsTransferHost::checkRadio(TransferDirection::Write, identity, band);
  }
  if (result == 1)
    say("the radio is model ID " + TerminalSafe(identity.modelId) + ", model name \"" +
        TerminalSafe(identity.modelName) + "\"; the file is for model ID " + TerminalSafe(expectedId) +
        ", model name \"" + TerminalSafe(expectedName) + "\"");
  if (result != 0) refused_ = true;
  return result;
}

std::optional<std::string> StationHost::askPassword(TransferDirection, int attempt) {
  if (attempt == 1 && shared_.password) return shared_.password;
  say(attempt == 1 ? "the radio asks for its password; give it with --password DIGITS or in VEXPROG_PASSWORD"
                   : "the radio refused the password, which is not tried again so that the radio does not lock");
  return std::nullopt;
}

void StationHost::showMessage(int messageId, const MessageArgument& argument) {
  std::string message;
  {
    std::lock_guard lock(shared_.lock);
    message = shared_.settings.messageText(messageId);
  }
  if (message.empty()) message = "error " + std::to_string(messageId);
  if (argument.kind == MessageArgument::Kind::Number) message = formatText(message, argument.number);
  if (argument.kind == MessageArgument::Kind::Text) message = formatText(message, argument.text);
  say(message);
}

std::string StationHost::freqRange() const {
  std::lock_guard lock(shared_.lock);
  return SettingsTransferHost::freqRange();
}

bool StationHost::isExtendedLevel() const {
  std::lock_guard lock(shared_.lock);
  return SettingsTransferHost::isExtendedLevel();
}

void StationHost::report(const TransferReport& report) {
  switch (report.message) {
    case WM_READ_PROGRESS:
    case WM_WRITE_PROGRESS:
      if (progress_) progress_(static_cast<int>(report.value));
      break;
    case WM_READ_FAILED:
    case WM_WRITE_FAILED:
      showMessage(report.message == WM_READ_FAILED ? text::kMsgReadFailedAt : text::kMsgWriteFailedAt,
                  MessageArgument::Number(report.value & 0xFFFF));
      break;
    default: break;
  }
}

}  // namespace vex
