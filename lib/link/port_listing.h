// The serial ports a user may choose from, each with the reason it cannot be
// opened now: what the port dialog and `vexprog-cli ports` list.
#pragma once

#include <string>
#include <vector>

#include "link/port_error.h"
#include "link/port_map.h"

namespace vex {

struct PortListing {
  int number = 0;  // COMn of the port dialog's numbering; 0 when none stands for it
  SerialDevice device;
  PortError state = PortError::None;  // None: it opens now

  // The name to remember the port by: the /dev/serial/by-id link, which
  // survives a re-plug, else the device path.
  const std::string& stableName() const { return device.stableName.empty() ? device.path : device.stableName; }
};

// The serial devices and the devices [Ports] entries configure, each opened
// once to learn its state; numbered ports first, in their order.
std::vector<PortListing> ListPortsWithState(const PortLookup& lookup);

}  // namespace vex
