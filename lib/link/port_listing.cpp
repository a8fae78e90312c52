#include "link/port_listing.h"

#include <algorithm>

#include "link/serial_port.h"

namespace vex {

std::vector<PortListing> ListPortsWithState(const PortLookup& lookup) {
  std::vector<PortListing> rows;
  for (SerialDevice& device : ListPortDevices(lookup)) rows.push_back({0, std::move(device), PortError::None});
  for (PortListing& row : rows) {
    row.number = PortNumberOfDevice(row.device.path, lookup);
    CSerialPort probe;
    if (!probe.Open(row.device.path)) row.state = probe.LastOpenError().kind;
  }
  std::stable_sort(rows.begin(), rows.end(), [](const PortListing& a, const PortListing& b) {
    return (a.number == 0 ? kLastPort + 1 : a.number) < (b.number == 0 ? kLastPort + 1 : b.number);
  });
  return rows;
}

}  // namespace vex
