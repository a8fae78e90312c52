// Finding the radio: the remembered port first with the long greeting, then
// ports 1..16 with the short one. Also the availability probe of the port
// dialog.
#pragma once

#include "link/port_map.h"
#include "link/radio_link.h"
#include "link/transfer_host.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace vex {

enum class Greeting { Short, Long };

// Connect's result for a device chosen by path that no port number maps to.
inline constexpr int kDevicePathPort = 100;

struct ConnectOptions {
  int rememberedPort = 0;  // ComPort setting; 0 = none
  std::string devicePath;  // a port the user named: only it is tried
  PortLookup lookup;       // [Ports] entries
  // Told why nothing was found: the port error of a named port that cannot
  // be opened, kMsgNoRadio when a port opened but no radio answered, else
  // the error of the first port that exists but cannot be opened, else
  // kMsgNoSerialPorts.
  std::function<void(int messageId, const MessageArgument& argument)> showMessage;
};

// Opens and configures `device`, pauses, greets. True with the port left
// open; false with it closed.
bool TryDevice(CRadioLink& link, const std::string& device, Greeting greeting);
// The port number on success, 0 otherwise.
int TryPort(CRadioLink& link, int port, const PortLookup& lookup, Greeting greeting);
// The port that answered, left open; 0 after telling why (see ConnectOptions).
// A named device is greeted alone; otherwise the remembered port is greeted
// long and then ports 1..16 short.
int Connect(CRadioLink& link, const ConnectOptions& options);

// Greets `device` with the short greeting and reads who answers, then closes
// the port. Nothing when no radio answered, or when one answered the greeting
// (`greeted`) but not the identity query; LastOpenError() then says whether
// the port opened at all.
std::optional<RadioIdentity> IdentifyRadio(CRadioLink& link, const std::string& device, bool* greeted = nullptr);

// Whether the device can be opened exclusively now (it is closed again).
bool IsPortAvailable(const std::string& device);
// Availability of ports 1..16 (index n - 1).
std::array<bool, 16> ProbePorts(const PortLookup& lookup);

}  // namespace vex
