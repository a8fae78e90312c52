// Which device a port stands for. Port n (1..16) is the device named by the
// `[Ports]` entry `COMn=` when the lookup gives one, else the n-th serial
// device of this machine (ttyUSB*, ttyACM*, then the ttyS* that exist). A
// port the user names may also be a device path, a /dev/serial/by-id name or
// a /dev name such as ttyUSB0.
#pragma once

#include "link/serial_devices.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace vex {

inline constexpr int kFirstPort = 1;
inline constexpr int kLastPort = 16;

// Gives the configured device for port n, or "" when none is configured.
using PortLookup = std::function<std::string(int port)>;

// Paths of the existing serial devices in numbering order.
std::vector<std::string> ListSerialDevices();
// The serial devices, then the devices that [Ports] entries configure and
// the system list lacks (a simulated radio's pseudo-terminal), when they exist.
std::vector<SerialDevice> ListPortDevices(const PortLookup& lookup);
// "" for a number outside 1..16 or when no device stands for it.
std::string DevicePathForPort(int port, const PortLookup& lookup);
// The port number whose device is `path`, or 0.
int PortNumberOfDevice(const std::string& path, const PortLookup& lookup);
// True for text that names a device rather than a port number.
bool IsDevicePath(const std::string& text);
// 1..16 for "COM1".."COM16" in any case, else 0.
int ComPortNumber(const std::string& text);

struct NamedPort {
  enum class Status {
    Device,    // `device` is the path to open
    NoDevice,  // a COMn for which no device exists
    NotAPort,  // neither COMn, a path, nor a known device name
  } status = Status::NotAPort;
  std::string device;
  int number = 0;  // n of COMn; 0 for the other forms
};

// What a port named by the user stands for: COMn through the lookup and the
// device list, a text with a '/' as the path it is, a by-id name as its link
// under dirs.byId, and a name such as ttyUSB0 as the device under dirs.dev.
NamedPort ResolvePortName(const std::string& text, const PortLookup& lookup, const SystemDirs& dirs = {});

// The device a remembered port name stands for: as ResolvePortName finds it,
// else the name as it stands (opening it then tells why it is not there).
std::string DeviceOfPortName(const std::string& text, const PortLookup& lookup, const SystemDirs& dirs = {});

}  // namespace vex
