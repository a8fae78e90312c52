#include "link/port_error.h"

#include "base/text_ids.h"

#include <cerrno>
#include <cstring>

namespace vex {

PortError ClassifyPortErrno(int systemError) {
  switch (systemError) {
    case 0: return PortError::None;
    case ENOENT:
    case ENODEV:
    case ENXIO: return PortError::NoDevice;
    case EACCES:
    case EPERM: return PortError::PermissionDenied;
    case EBUSY:
    case EWOULDBLOCK: return PortError::Busy;
    case ENOTTY: return PortError::NotATty;
    default: return PortError::Other;
  }
}

int PortErrorMessageId(PortError kind) {
  switch (kind) {
    case PortError::None: return 0;
    case PortError::NoDevice: return text::kMsgPortMissing;
    case PortError::PermissionDenied: return text::kMsgPortPermission;
    case PortError::Busy: return text::kMsgPortBusy;
    case PortError::NotATty: return text::kMsgPortNotSerial;
    case PortError::Other: return text::kMsgPortOpenFailed;
  }
  return text::kMsgPortOpenFailed;
}

std::string PortErrorArgument(const std::string& device, const PortOpenError& error) {
  if (error.kind != PortError::Other || error.systemError == 0) return device;
  return device + " (" + std::strerror(error.systemError) + ")";
}

}  // namespace vex
