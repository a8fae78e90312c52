// Finding the radio: the remembered port first with the long greeting, then
// ports 1..16 with the short one. Also the availability probe of the port
// dialog.
#pragma once

#include "link/port_map.h"
#include "link/radio_link.h"

#include <array>
#include <functional>
#include <string>

namespace vex {

enum class Greeting { Short, Long };

// Connect's result for a device chosen by path that no port number maps to.
inline constexpr int kDevicePathPort = 100;

struct ConnectOptions {
  int rememberedPort = 0;                          // ComPort setting; 0 = none
  std::string devicePath;                          // a device chosen directly: only it is tried
  PortLookup lookup;                               // [Ports] entries
  std::function<void(int messageId)> showMessage;  // gets kMsgNoRadio when nothing answers
};

// Opens and configures `device`, pauses, greets. True with the port left
// open; false with it closed.
bool TryDevice(CRadioLink& link, const std::string& device, Greeting greeting);
// The port number on success, 0 otherwise.
int TryPort(CRadioLink& link, int port, const PortLookup& lookup, Greeting greeting);
// The port that answered, left open; 0 after showing message kMsgNoRadio.
int Connect(CRadioLink& link, const ConnectOptions& options);

// Whether the device can be opened exclusively now (it is closed again).
bool IsPortAvailable(const std::string& device);
// Availability of ports 1..16 (index n - 1).
std::array<bool, 16> ProbePorts(const PortLookup& lookup);

}  // namespace vex
