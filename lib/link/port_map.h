// Which device a port number stands for. Port n (1..16) is the device named
// by the `[Ports]` entry `COMn=` when the lookup gives one, else the n-th
// existing device of /dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* in that order.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace vex {

inline constexpr int kFirstPort = 1;
inline constexpr int kLastPort = 16;

// Gives the configured device for port n, or "" when none is configured.
using PortLookup = std::function<std::string(int port)>;

// Existing serial devices in numbering order.
std::vector<std::string> ListSerialDevices();
// "" for a number outside 1..16 or when no device stands for it.
std::string DevicePathForPort(int port, const PortLookup& lookup);
// The port number whose device is `path`, or 0.
int PortNumberOfDevice(const std::string& path, const PortLookup& lookup);
// True for text that names a device rather than a port number.
bool IsDevicePath(const std::string& text);

}  // namespace vex
