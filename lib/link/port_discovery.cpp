#include "link/port_discovery.h"

#include "base/text_ids.h"

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

int Connect(CRadioLink& link, const ConnectOptions& options) {
  int found = 0;
  if (!options.devicePath.empty()) {
    if (TryDevice(link, options.devicePath, Greeting::Long)) {
      found = PortNumberOfDevice(options.devicePath, options.lookup);
      if (found == 0) found = kDevicePathPort;
    }
  } else {
    found = TryPort(link, options.rememberedPort, options.lookup, Greeting::Long);
    for (int port = kFirstPort; found == 0 && port <= kLastPort; ++port)
      found = TryPort(link, port, options.lookup, Greeting::Short);
  }
  if (found == 0 && options.showMessage) options.showMessage(text::kMsgNoRadio);
  return found;
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
