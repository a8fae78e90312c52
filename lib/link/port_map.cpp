#include "link/port_map.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>

namespace vex {

std::vector<std::string> ListSerialDevices() {
  std::vector<std::string> paths;
  for (const SerialDevice& device : ListSerialPorts()) paths.push_back(device.path);
  return paths;
}

std::vector<SerialDevice> ListPortDevices(const PortLookup& lookup) {
  std::vector<SerialDevice> devices = ListSerialPorts();
  for (int n = kFirstPort; lookup && n <= kLastPort; ++n) {
    const std::string configured = lookup(n);
    std::error_code ec;
    if (configured.empty() || !std::filesystem::exists(configured, ec)) continue;
    const bool listed =
        std::any_of(devices.begin(), devices.end(), [&](const SerialDevice& d) { return d.path == configured; });
    if (!listed) {
      SerialDevice device;
      device.path = configured;
      devices.push_back(std::move(device));
    }
  }
  return devices;
}

std::string DevicePathForPort(int port, const PortLookup& lookup) {
  if (port < kFirstPort || port > kLastPort) return {};
  if (lookup) {
    std::string configured = lookup(port);
    if (!configured.empty()) return configured;
  }
  const std::vector<std::string> devices = ListSerialDevices();
  const auto index = static_cast<std::size_t>(port - 1);
  return index < devices.size() ? devices[index] : std::string{};
}

int PortNumberOfDevice(const std::string& path, const PortLookup& lookup) {
  for (int port = kFirstPort; port <= kLastPort; ++port) {
    if (DevicePathForPort(port, lookup) == path) return port;
  }
  return 0;
}

bool IsDevicePath(const std::string& text) { return text.find('/') != std::string::npos; }

int ComPortNumber(const std::string& text) {
  if (text.size() < 4 || text.size() > 5) return 0;
  const auto upper = [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); };
  if (upper(text[0]) != 'C' || upper(text[1]) != 'O' || upper(text[2]) != 'M') return 0;
  int port = 0;
  const char* end = text.data() + text.size();
  const auto parsed = std::from_chars(text.data() + 3, end, port);
  if (parsed.ec != std::errc() || parsed.ptr != end || port < kFirstPort || port > kLastPort) return 0;
  return port;
}

NamedPort ResolvePortName(const std::string& text, const PortLookup& lookup, const SystemDirs& dirs) {
  using Status = NamedPort::Status;
  if (const int number = ComPortNumber(text); number != 0) {
    std::string device = DevicePathForPort(number, lookup);
    return {device.empty() ? Status::NoDevice : Status::Device, std::move(device), number};
  }
  if (text.empty() || text == "." || text == "..") return {};
  if (IsDevicePath(text)) return {Status::Device, text, 0};
  std::error_code ec;
  if (const auto byId = dirs.byId / text; std::filesystem::exists(byId, ec)) return {Status::Device, byId.string(), 0};
  // A serial device's own name, whether or not it is plugged in now: the
  // open then says that it is missing.
  static constexpr const char* kSerialPrefixes[] = {"ttyUSB", "ttyACM", "ttyS"};
  const bool serialName = std::any_of(std::begin(kSerialPrefixes), std::end(kSerialPrefixes),
                                      [&](const char* prefix) { return text.rfind(prefix, 0) == 0; });
  if (const auto node = dirs.dev / text; serialName || std::filesystem::exists(node, ec))
    return {Status::Device, node.string(), 0};
  return {};
}

std::string DeviceOfPortName(const std::string& text, const PortLookup& lookup, const SystemDirs& dirs) {
  const NamedPort named = ResolvePortName(text, lookup, dirs);
  return named.status == NamedPort::Status::Device ? named.device : text;
}

}  // namespace vex
