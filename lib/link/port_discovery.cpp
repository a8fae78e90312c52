#include "link/port_discovery.h"

#include "base/text_ids.h"
#include "link/image_transfer.h"

namespace vex {

namespace {

constexpr std::uint32_t kBaud = 38400;
constexpr std::uint8_t kDataBits = 8;
constexpr std::uint8_t kOddParity = 1;
constexpr std::uint8_t kTwoStopBits = 2;

}  // namespace

bool TryDevice(CRadioLink& link, const std::string& device, Greeting greeting) {
  if (!link.Open(device)) return false;
  (void)link.SetCommParams(kBaud, kDataBits, kOddParity, kTwoStopBits);
  (void)link.SetReplyTimeout(link.Timing().replyTimeout);
  link.Pause(link.Timing().configurePause);
  const int greeted = greeting == Greeting::Long ? link.HandshakeLong() : link.Handshake();
  if (greeted) return true;
  link.Close();
  return false;
}

int TryPort(CRadioLink& link, int port, const PortLookup& lookup, Greeting greeting) {
  const std::string device = DevicePathForPort(port, lookup);
  if (device.empty()) return 0;
  return TryDevice(link, device, greeting) ? port : 0;
}

namespace {

// What the attempts on the way taught about the ports.
struct ScanNotes {
  bool anyOpened = false;
  std::string firstErrorDevice;
  PortOpenError firstError;

  void note(const CRadioLink& link, const std::string& device) {
    const PortOpenError& error = link.LastOpenError();
    if (error.kind == PortError::None) {
      anyOpened = true;
    } else if (error.kind != PortError::NoDevice && firstError.kind == PortError::None) {
      firstError = error;
      firstErrorDevice = device;
    }
  }
};

int TryNotedPort(CRadioLink& link, int port, const PortLookup& lookup, Greeting greeting, ScanNotes& notes) {
  const std::string device = DevicePathForPort(port, lookup);
  if (device.empty()) return 0;
  const bool greeted = TryDevice(link, device, greeting);
  notes.note(link, device);
  return greeted ? port : 0;
}

}  // namespace

int Connect(CRadioLink& link, const ConnectOptions& options) {
  const auto show = [&](int id, const MessageArgument& argument = {}) {
    if (options.showMessage) options.showMessage(id, argument);
  };
  const auto showPortError = [&](const std::string& device, const PortOpenError& error) {
    show(PortErrorMessageId(error.kind), MessageArgument::Text(PortErrorArgument(device, error)));
  };

  if (!options.devicePath.empty()) {
    if (TryDevice(link, options.devicePath, Greeting::Long)) {
      const int port = PortNumberOfDevice(options.devicePath, options.lookup);
      return port != 0 ? port : kDevicePathPort;
    }
    if (link.LastOpenError().kind != PortError::None) {
      showPortError(options.devicePath, link.LastOpenError());
    } else {
      show(text::kMsgNoRadio);
    }
    return 0;
  }

  ScanNotes notes;
  int found = TryNotedPort(link, options.rememberedPort, options.lookup, Greeting::Long, notes);
  for (int port = kFirstPort; found == 0 && port <= kLastPort; ++port)
    found = TryNotedPort(link, port, options.lookup, Greeting::Short, notes);
  if (found != 0) return found;
  if (notes.anyOpened) {
    show(text::kMsgNoRadio);
  } else if (notes.firstError.kind != PortError::None) {
    showPortError(notes.firstErrorDevice, notes.firstError);
  } else {
    show(text::kMsgNoSerialPorts);
  }
  return 0;
}

std::optional<RadioIdentity> IdentifyRadio(CRadioLink& link, const std::string& device, bool* greeted) {
  if (greeted != nullptr) *greeted = false;
  if (!TryDevice(link, device, Greeting::Short)) return std::nullopt;
  if (greeted != nullptr) *greeted = true;
  RadioIdentity identity;
  const bool known = link.QueryIdentity(kReferenceVersion, identity) != 0;
  link.Close();
  if (!known) return std::nullopt;
  return identity;
}

bool IsPortAvailable(const std::string& device) {
  CSerialPort port;
  return port.Open(device) != 0;
}

std::array<bool, 16> ProbePorts(const PortLookup& lookup) {
  std::array<bool, 16> available{};
  for (int port = kFirstPort; port <= kLastPort; ++port) {
    const std::string device = DevicePathForPort(port, lookup);
    available[static_cast<std::size_t>(port - 1)] = !device.empty() && IsPortAvailable(device);
  }
  return available;
}

}  // namespace vex
