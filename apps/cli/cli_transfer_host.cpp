#include "cli_transfer_host.h"

#include "password_prompt.h"

#include "base/terminal_text.h"
#include "base/text_ids.h"
#include "config/app_settings.h"
#include "config/safe_format.h"
#include "link/transfer_messages.h"

#include <algorithm>
#include <chrono>

namespace vex::cli {

namespace {

const char* PasswordName(TransferDirection direction) {
  return direction == TransferDirection::Read ? "read password" : "write password";
}

bool IsPassword(const std::string& text) {
  return !text.empty() && text.size() <= 8 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

CliTransferHost::CliTransferHost(HostShared& shared, TransferDirection direction, std::string device, std::size_t row)
    : SettingsTransferHost(shared.settings, shared.ranges),
      shared_(shared),
      direction_(direction),
      device_(std::move(device)),
      row_(row) {}

int CliTransferHost::comPort() const {
  std::lock_guard lock(shared_.settingsLock);
  return SettingsTransferHost::comPort();
}

void CliTransferHost::setComPort(int port) {
  std::lock_guard lock(shared_.settingsLock);
  SettingsTransferHost::setComPort(port);
}

std::string CliTransferHost::portSetting(int port) const {
  std::lock_guard lock(shared_.settingsLock);
  return SettingsTransferHost::portSetting(port);
}

std::string CliTransferHost::freqRange() const {
  std::lock_guard lock(shared_.settingsLock);
  return SettingsTransferHost::freqRange();
}

bool CliTransferHost::isExtendedLevel() const {
  std::lock_guard lock(shared_.settingsLock);
  return SettingsTransferHost::isExtendedLevel();
}

void CliTransferHost::storeIdentity(const RadioIdentity& identity, const std::string& bandText, IdentityUse use) {
  std::lock_guard lock(shared_.settingsLock);
  SettingsTransferHost::storeIdentity(identity, bandText, use);
}

int CliTransferHost::checkRadio(TransferDirection direction, const RadioIdentity& identity, RangeEntry& band) {
  std::string expectedId;
  std::string expectedName;
  int result = 0;
  {
    std::lock_guard lock(shared_.settingsLock);
    expectedId = shared_.settings.modelId();
    expectedName = shared_.settings.modelName();
    result = SettingsTransferHost::checkRadio(direction, identity, band);
  }
  // The model check refuses as the desktop program does; say what differs.
  if (result == 1) {
    say("the radio reports model ID " + TerminalSafe(identity.modelId) + ", model name \"" +
        TerminalSafe(identity.modelName) + "\"; " +
        (direction == TransferDirection::Write ? "the file is for" : "the settings hold") + " model ID " +
        TerminalSafe(expectedId) + ", model name \"" + TerminalSafe(expectedName) + "\"");
    if (direction == TransferDirection::Read && identity.modelId == expectedId)
      say("to read a radio of that name, give --model-name " + ShellQuoted(identity.modelName));
  }
  return result;
}

std::optional<std::string> CliTransferHost::askPassword(TransferDirection direction, int attempt) {
  const std::string which = PasswordName(direction);
  if (attempt > 1) {
    say("the radio wants its " + which + "; the password was sent once and is not tried again, so that the " +
        "radio does not lock");
    return std::nullopt;
  }
  if (shared_.password) return shared_.password;
  if (CanPrompt()) {
    std::lock_guard lock(shared_.promptLock);
    if (shared_.password) return shared_.password;
    shared_.progress.finish();
    const auto typed = PromptWithoutEcho("The radio asks for its " + which + ": ");
    if (typed && IsPassword(*typed)) {
      shared_.password = typed;
      return typed;
    }
    if (typed) say("the password is 1 to 8 digits");
    return std::nullopt;
  }
  say("the radio asks for its " + which + "; give it with --password DIGITS or in VEXPROG_PASSWORD");
  return std::nullopt;
}

std::string CliTransferHost::messageText(int messageId, const MessageArgument& argument) const {
  std::string message = shared_.settings.messageText(messageId);
  if (message.empty()) message = "error " + std::to_string(messageId);
  if (argument.kind == MessageArgument::Kind::Number) message = formatText(message, argument.number);
  if (argument.kind == MessageArgument::Kind::Text) message = formatText(message, argument.text);
  return message;
}

void CliTransferHost::showMessage(int messageId, const MessageArgument& argument) {
  say(messageText(messageId, argument));
}

void CliTransferHost::say(const std::string& text) {
  said_.push_back(text);
  const std::string port = shared_.severalRadios ? device_ + ": " : std::string();
  shared_.progress.message("vexprog-cli: " + port + text);
}

void CliTransferHost::report(const TransferReport& report) {
  switch (report.message) {
    case WM_READ_PROGRESS:
    case WM_WRITE_PROGRESS: shared_.progress.update(row_, static_cast<int>(report.value)); break;
    case WM_READ_DONE:
    case WM_WRITE_DONE:
      if (shared_.printDone) {
        shared_.progress.finish();
        shared_.env.out() << messageText(report.message == WM_READ_DONE ? text::kMsgReadDone : text::kMsgWriteDone, {})
                          << '\n';
      }
      break;
    case WM_READ_FAILED:
    case WM_WRITE_FAILED: {
      // The address is shown with its low 16 bits.
      const int id = report.message == WM_READ_FAILED ? text::kMsgReadFailedAt : text::kMsgWriteFailedAt;
      showMessage(id, MessageArgument::Number(report.value & 0xFFFF));
      const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(shared_.env.linkTiming().replyTimeout);
      say("if the radio is still connected and only answers late (a busy computer, a slow USB adapter), give a "
          "longer --reply-timeout than " + std::to_string(waited.count()) + " ms");
      break;
    }
    default: break;
  }
}

}  // namespace vex::cli
