// ports [--json]: the serial ports that exist, with their COMn number (the
// numbering of the desktop program's port dialog and Settings.ini), whether
// they can be opened now and why not, their USB identity and their stable
// /dev/serial/by-id name. Devices mapped by [Ports] COMn= are listed too.
#include "cli_commands.h"
#include "json_output.h"

#include "link/port_listing.h"

#include <algorithm>

namespace vex::cli {

namespace {

const char* StateText(PortError state) {
  switch (state) {
    case PortError::None: return "available";
    case PortError::NoDevice: return "missing";
    case PortError::PermissionDenied: return "permission denied";
    case PortError::Busy: return "busy";
    case PortError::NotATty: return "not a serial port";
    case PortError::Other: break;
  }
  return "cannot be opened";
}

std::string Cell(const std::string& text) { return text.empty() ? "-" : text; }

}  // namespace

int RunPorts(Environment& env, const CliOptions& options) {
  const std::vector<PortListing> rows = ListPortsWithState(env.portLookup());

  if (options.json) {
    nlohmann::ordered_json json = JsonDocument();
    nlohmann::ordered_json ports = nlohmann::ordered_json::array();
    for (const PortListing& row : rows) {
      nlohmann::ordered_json port;
      port["port"] =
          row.number == 0 ? nlohmann::ordered_json() : nlohmann::ordered_json("COM" + std::to_string(row.number));
      port["device"] = row.device.path;
      port["stable_name"] = row.device.stableName;
      port["available"] = row.state == PortError::None;
      port["state"] = StateText(row.state);
      port["usb_id"] = row.device.usbId();
      port["manufacturer"] = row.device.manufacturer;
      port["product"] = row.device.product;
      port["serial_number"] = row.device.serialNumber;
      port["driver"] = row.device.driver;
      ports.push_back(port);
    }
    json["ports"] = ports;
    PrintJson(env.out(), json);
    return kExitOk;
  }
  if (rows.empty()) {
    env.err() << "vexprog-cli: " << env.message(text::kMsgNoSerialPorts) << '\n';
    return kExitOk;
  }
  std::vector<std::array<std::string, 6>> table;
  for (const PortListing& row : rows) {
    table.push_back({row.number == 0 ? "-" : "COM" + std::to_string(row.number), row.device.path, StateText(row.state),
                     Cell(row.device.usbId()), Cell(row.device.description()), row.device.stableName});
  }
  std::array<std::size_t, 6> widths{};
  for (const auto& cells : table) {
    for (std::size_t c = 0; c < cells.size(); ++c) widths[c] = std::max(widths[c], cells[c].size());
  }
  for (const auto& cells : table) {
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c) {
      line += cells[c];
      if (c + 1 < cells.size()) line += std::string(widths[c] - cells[c].size() + 2, ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    env.out() << line << '\n';
  }
  return kExitOk;
}

}  // namespace vex::cli
