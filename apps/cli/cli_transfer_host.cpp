#include "cli_transfer_host.h"

#include "config/app_settings.h"
#include "config/safe_format.h"
#include "base/text_ids.h"
#include "link/port_discovery.h"
#include "link/transfer_messages.h"

#include <unistd.h>
#include <algorithm>
#include <cctype>
#include <charconv>

namespace vex::cli {

namespace {

constexpr std::size_t kPasswordDigits = 8;

bool IsPassword(const std::string& text) {
  return !text.empty() && text.size() <= kPasswordDigits &&
         std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

int UsageError(Environment& env, const std::string& text) {
  env.err() << "vexprog-cli: " << text << "\nTry 'vexprog-cli --help'.\n";
  return kExitUsage;
}

int LabelFor(TransferDirection direction) {
  return direction == TransferDirection::Read ? text::kTransferReadProgress : text::kTransferWriteProgress;
}

}  // namespace

std::optional<PortChoice> ParsePortArgument(const std::string& text) {
  if (IsDevicePath(text)) return PortChoice{0, text};
  if (text.size() < 4 || text.size() > 5) return std::nullopt;
  const std::string prefix = text.substr(0, 3);
  if (!std::equal(prefix.begin(), prefix.end(), "COM",
                  [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; }))
    return std::nullopt;
  int port = 0;
  const char* end = text.data() + text.size();
  const auto parsed = std::from_chars(text.data() + 3, end, port);
  if (parsed.ec != std::errc() || parsed.ptr != end || port < kFirstPort || port > kLastPort) return std::nullopt;
  return PortChoice{port, {}};
}

int ParseTransferOptions(Environment& env, const ParsedArgs& args, TransferOptions& options) {
  if (const auto port = args.value("port")) {
    options.port = ParsePortArgument(*port);
    if (!options.port) return UsageError(env, "--port takes COM1..COM16 or a device path, not " + *port);
  }
  if (const auto password = args.value("password")) {
    if (!IsPassword(*password)) return UsageError(env, "--password takes 1 to 8 digits");
    options.password = *password;
  }
  options.progress = ProgressBar::StyleFor(::isatty(STDERR_FILENO) == 1, args.has("verbose"));
  return kExitOk;
}

CliTransferHost::CliTransferHost(Environment& env, AppSettings& settings, RangeTable& ranges,
                                 TransferDirection direction, TransferOptions options)
    : SettingsTransferHost(settings, ranges),
      env_(env),
      options_(std::move(options)),
      progress_(env.err(), options_.progress, settings.labelText(LabelFor(direction))) {}

int CliTransferHost::comPort() const {
  if (options_.port && options_.port->port != 0) return options_.port->port;
  return SettingsTransferHost::comPort();
}

std::string CliTransferHost::portDevice() const { return options_.port ? options_.port->device : std::string(); }

std::optional<std::string> CliTransferHost::askPassword(TransferDirection /*direction*/, int /*attempt*/) {
  if (!options_.password) {
    env_.err() << "vexprog-cli: the radio asks for its password; give it with --password DIGITS\n";
    return std::nullopt;
  }
  return options_.password;
}

void CliTransferHost::showMessage(int messageId, const MessageArgument& argument) {
  std::string message = settings().messageText(messageId);
  if (message.empty()) message = "error " + std::to_string(messageId);
  if (argument.kind == MessageArgument::Kind::Number) message = formatText(message, argument.number);
  if (argument.kind == MessageArgument::Kind::Text) message = formatText(message, argument.text);
  progress_.breakLine();
  env_.err() << "vexprog-cli: " << message << '\n';
}

bool CliTransferHost::confirmWriteWarning() {
  if (!writeWarning_.empty()) env_.err() << writeWarning_ << '\n';
  return true;
}

void CliTransferHost::report(const TransferReport& report) {
  switch (report.message) {
    case WM_READ_PROGRESS:
    case WM_WRITE_PROGRESS: progress_.update(static_cast<int>(report.value)); break;
    case WM_READ_DONE:
    case WM_WRITE_DONE:
      progress_.breakLine();
      env_.out() << settings().messageText(report.message == WM_READ_DONE ? text::kMsgReadDone : text::kMsgWriteDone)
                 << '\n';
      break;
    case WM_READ_FAILED:
    case WM_WRITE_FAILED: {
      // The address is shown with its low 16 bits.
      const int id = report.message == WM_READ_FAILED ? text::kMsgReadFailedAt : text::kMsgWriteFailedAt;
      showMessage(id, MessageArgument::Number(report.value & 0xFFFF));
      break;
    }
    default: break;
  }
}

bool RunTransfer(ImageTransfer& transfer) {
  if (transfer.Start() != StartResult::Started) return false;
  return transfer.Wait() == TransferOutcome::Succeeded;
}

}  // namespace vex::cli
