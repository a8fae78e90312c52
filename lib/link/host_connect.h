// Connect as the host's port settings say and remember the port that answered.
#pragma once

#include "link/radio_link.h"
#include "link/transfer_host.h"

namespace vex {

// The port number (or kDevicePathPort) with the link open; 0 after message kMsgNoRadio.
int ConnectWithHost(CRadioLink& link, TransferHost& host);

}  // namespace vex
