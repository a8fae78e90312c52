// Why a port does not open, and what Connect tells the user: the cause for a
// named port, "no radio answers" only when a port opened and stayed silent.
#include "link/port_error.h"
#include "base/text_ids.h"
#include "link/port_discovery.h"
#include "link/protocol.h"
#include "scripted_peer.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vex {
namespace {

using test::Bytes;
using test::ScriptedPeer;

struct Shown {
  int id = 0;
  std::string argument;
};

ConnectOptions Named(const std::string& device, std::vector<Shown>& shown) {
  ConnectOptions options;
  options.devicePath = device;
  options.lookup = [](int) { return std::string("/nonexistent/tty"); };
  options.showMessage = [&shown](int id, const MessageArgument& a) { shown.push_back({id, a.text}); };
  return options;
}

// The kind of error a user without root rights meets opening `path` whose
// mode has been set to 0600 (owned by root) or 0000.
PortError OpenAsUnprivilegedUser(const std::string& path) {
  if (::geteuid() != 0) {
    ::chmod(path.c_str(), 0);
    CSerialPort port;
    port.Open(path);
    return port.LastOpenError().kind;
  }
  ::chmod(path.c_str(), 0600);
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(100);
    CSerialPort port;
    port.Open(path);
    ::_exit(static_cast<int>(port.LastOpenError().kind));
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? static_cast<PortError>(WEXITSTATUS(status)) : PortError::Other;
}

TEST(PortOpenError, EachCauseIsKeptWithItsMessage) {
  CSerialPort port;
  EXPECT_FALSE(port.Open("/dev/vex-no-such-port"));
  EXPECT_EQ(port.LastOpenError().kind, PortError::NoDevice);
  EXPECT_FALSE(port.Open("/dev/null"));
  EXPECT_EQ(port.LastOpenError().kind, PortError::NotATty);

  ScriptedPeer peer([](const Bytes&, int) { return Bytes{}; });
  CSerialPort holder;
  ASSERT_TRUE(holder.Open(peer.Path()));
  EXPECT_FALSE(port.Open(peer.Path()));
  EXPECT_EQ(port.LastOpenError().kind, PortError::Busy);
  holder.Close();
  EXPECT_TRUE(port.Open(peer.Path()));
  EXPECT_EQ(port.LastOpenError().kind, PortError::None);

  EXPECT_EQ(PortErrorMessageId(PortError::PermissionDenied), text::kMsgPortPermission);
  EXPECT_EQ(PortErrorArgument("/dev/x", {PortError::Other, EIO}), "/dev/x (Input/output error)");
  EXPECT_EQ(PortErrorArgument("/dev/x", {PortError::Busy, EBUSY}), "/dev/x");
}

TEST(PortOpenError, UnreadablePtyIsPermissionDenied) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(::grantpt(master), 0);
  ASSERT_EQ(::unlockpt(master), 0);
  const std::string path = ::ptsname(master);
  EXPECT_EQ(OpenAsUnprivilegedUser(path), PortError::PermissionDenied);
  ::close(master);
}

TEST(ConnectNamedPort, MissingOrBusyPortSaysWhyInsteadOfNoRadio) {
  std::vector<Shown> shown;
  CRadioLink link(test::FastTiming());
  EXPECT_EQ(Connect(link, Named("/dev/vex-no-such-port", shown)), 0);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].id, text::kMsgPortMissing);
  EXPECT_EQ(shown[0].argument, "/dev/vex-no-such-port");

  ScriptedPeer radio([](const Bytes&, int) { return protocol::MakeAck('a', 'P', 'a'); });
  CSerialPort holder;
  ASSERT_TRUE(holder.Open(radio.Path()));
  shown.clear();
  EXPECT_EQ(Connect(link, Named(radio.Path(), shown)), 0);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].id, text::kMsgPortBusy);
  EXPECT_TRUE(radio.Requests().empty());
}

TEST(ConnectNamedPort, SilentNamedPortIsTheOnlyOneGreeted) {
  ScriptedPeer silent([](const Bytes&, int) { return Bytes{}; });
  ScriptedPeer radio([](const Bytes&, int) { return protocol::MakeAck('a', 'P', 'a'); });
  std::vector<Shown> shown;
  ConnectOptions options = Named(silent.Path(), shown);
  options.rememberedPort = 2;
  options.lookup = [&](int port) { return port == 2 ? radio.Path() : std::string("/nonexistent/tty"); };
  CRadioLink link(test::SilentPeerTiming());
  EXPECT_EQ(Connect(link, options), 0);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].id, text::kMsgNoRadio);
  EXPECT_EQ(silent.Requests().size(), 30u);  // the long greeting
  EXPECT_TRUE(radio.Requests().empty());
}

TEST(ConnectScan, NoPortAtAllIsReportedAsSuch) {
  std::vector<Shown> shown;
  ConnectOptions options = Named("", shown);
  CRadioLink link(test::FastTiming());
  EXPECT_EQ(Connect(link, options), 0);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].id, text::kMsgNoSerialPorts);
}

}  // namespace
}  // namespace vex
