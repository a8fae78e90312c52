// Why a serial port could not be opened, kept from the system's error
// number so that the user hears the cause and what to do about it.
#pragma once

#include <string>

namespace vex {

enum class PortError {
  None,
  NoDevice,          // nothing at that path (cable unplugged, wrong name)
  PermissionDenied,  // the user may not open it (dialout group, udev rule)
  Busy,              // held by another program
  NotATty,           // the path is not a serial device
  Other,
};

struct PortOpenError {
  PortError kind = PortError::None;
  int systemError = 0;  // errno of the failing call; 0 when none applies
};

// Sorts an errno of open(), ioctl() or flock() into its kind.
PortError ClassifyPortErrno(int systemError);

// The message text that explains the error, formatted with the device path;
// 0 for PortError::None.
int PortErrorMessageId(PortError kind);

// The argument for that message: the device, and for PortError::Other the
// system's own description ("/dev/ttyUSB0 (Input/output error)").
std::string PortErrorArgument(const std::string& device, const PortOpenError& error);

}  // namespace vex
