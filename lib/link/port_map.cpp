#include "link/port_map.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace vex {

namespace {

// Devices /dev/<prefix><number>, sorted by their number.
void AppendNumbered(std::string_view prefix, std::vector<std::string>& out) {
  std::vector<std::pair<long, std::string>> found;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator("/dev", ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string digits = name.substr(prefix.size());
    if (digits.size() > 6 || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
      continue;
    found.emplace_back(std::stol(digits), entry.path().string());
  }
  std::sort(found.begin(), found.end());
  for (auto& f : found) out.push_back(std::move(f.second));
}

}  // namespace

std::vector<std::string> ListSerialDevices() {
  std::vector<std::string> devices;
  for (std::string_view prefix : {"ttyUSB", "ttyACM", "ttyS"}) AppendNumbered(prefix, devices);
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

}  // namespace vex
