// ports: COM1..COM16 with the device each stands for and whether it can be
// opened now, as the Communication Port dialog shows them.
#include "cli_commands.h"

#include "config/profile_file.h"
#include "link/port_discovery.h"

#include <iomanip>

namespace vex::cli {

int RunPorts(Environment& env, const ParsedArgs& /*args*/) {
  // Read-only: the [Ports] entries straight from the settings file, which
  // the settings object would save again on its way out.
  const std::filesystem::path settings = env.settingsFile();
  const PortLookup lookup = [&settings](int port) {
    return ReadProfileString(settings, "Ports", "COM" + std::to_string(port), "", kRoomText);
  };
  const std::array<bool, 16> available = ProbePorts(lookup);
  for (int port = kFirstPort; port <= kLastPort; ++port) {
    const std::string device = DevicePathForPort(port, lookup);
    const char* state = device.empty()                                  ? "no device"
                        : available[static_cast<std::size_t>(port - 1)] ? "available"
                                                                        : "cannot be opened";
    env.out() << std::left << std::setw(7) << ("COM" + std::to_string(port)) << std::setw(24)
              << (device.empty() ? "-" : device) << state << '\n';
  }
  return kExitOk;
}

}  // namespace vex::cli
