#include "link/host_connect.h"

#include "link/port_discovery.h"

namespace vex {

int ConnectWithHost(CRadioLink& link, TransferHost& host) {
  ConnectOptions options;
  options.rememberedPort = host.comPort();
  options.devicePath = host.portDevice();
  options.lookup = [&host](int port) { return host.portSetting(port); };
  options.showMessage = [&host](int id, const MessageArgument& argument) { host.showMessage(id, argument); };
  const int port = Connect(link, options);
  if (port >= kFirstPort && port <= kLastPort) host.setComPort(port);
  return port;
}

}  // namespace vex
