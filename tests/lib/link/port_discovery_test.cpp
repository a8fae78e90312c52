// Port numbers, device paths and the search for a radio, against scripted
// far ends that answer the greeting or stay silent.
#include "link/port_discovery.h"
#include "base/text_ids.h"
#include "link/protocol.h"
#include "scripted_peer.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace vex {
namespace {

using test::Bytes;
using test::ScriptedPeer;

std::unique_ptr<ScriptedPeer> Radio() {
  return std::make_unique<ScriptedPeer>(
      [](const Bytes& r, int) { return r.size() > 1 && r[1] == 'P' ? protocol::MakeAck('a', 'P', 'a') : Bytes{}; });
}

std::unique_ptr<ScriptedPeer> Silent() {
  return std::make_unique<ScriptedPeer>([](const Bytes&, int) { return Bytes{}; });
}

// Answers the greeting at once, but with a rejecting acknowledge.
std::unique_ptr<ScriptedPeer> Refusing() {
  return std::make_unique<ScriptedPeer>([](const Bytes&, int) { return protocol::MakeAck('b', 'P', 'a'); });
}

// Ports not in the map lead nowhere, so a scan never touches real devices.
PortLookup Ports(std::map<int, std::string> devices) {
  return [devices](int port) {
    auto it = devices.find(port);
    return it == devices.end() ? std::string("/nonexistent/tty") : it->second;
  };
}

TEST(PortMap, ConfiguredDeviceComesFirstAndNumbersAreBounded) {
  const PortLookup lookup = Ports({{3, "/dev/pts/77"}});
  EXPECT_EQ(DevicePathForPort(3, lookup), "/dev/pts/77");
  EXPECT_EQ(DevicePathForPort(0, lookup), "");
  EXPECT_EQ(DevicePathForPort(17, lookup), "");
  EXPECT_EQ(PortNumberOfDevice("/dev/pts/77", lookup), 3);
  EXPECT_TRUE(IsDevicePath("/dev/ttyUSB0"));
  EXPECT_FALSE(IsDevicePath("3"));
}

TEST(PortMap, UnconfiguredPortsFollowTheDeviceList) {
  const auto devices = ListSerialDevices();
  const PortLookup none = [](int) { return std::string(); };
  for (int port = 1; port <= 16; ++port) {
    const std::size_t i = static_cast<std::size_t>(port - 1);
    EXPECT_EQ(DevicePathForPort(port, none), i < devices.size() ? devices[i] : "");
  }
}

TEST(Connect, RememberedPortAnswersWithoutTouchingOthers) {
  auto radio = Radio();
  auto other = Silent();
  CRadioLink link(test::FastTiming());
  ConnectOptions options{5, "", Ports({{1, other->Path()}, {5, radio->Path()}}), nullptr};
  EXPECT_EQ(Connect(link, options), 5);
  EXPECT_TRUE(link.IsOpen());
  EXPECT_TRUE(other->Requests().empty());
}

TEST(Connect, SilentRememberedPortIsGreetedLongThenOnceMoreInTheScan) {
  auto silent = Silent();
  CRadioLink link(test::SilentPeerTiming());
  ConnectOptions options{3, "", Ports({{3, silent->Path()}}), nullptr};
  EXPECT_EQ(Connect(link, options), 0);
  // 30 greetings of the long form, then 3 more when the scan passes port 3.
  EXPECT_EQ(silent->WaitForRequests(33), 33u);
}

TEST(Connect, ScanFindsTheRadioAfterTheRememberedPortFailed) {
  auto radio = Radio();
  auto refusing = Refusing();
  CRadioLink link(test::FastTiming());
  ConnectOptions options{3, "", Ports({{3, refusing->Path()}, {5, radio->Path()}}), nullptr};
  EXPECT_EQ(Connect(link, options), 5);
  // One long greeting ends at the rejection, the scan greets port 3 again.
  EXPECT_EQ(refusing->Requests().size(), 2u);
  EXPECT_TRUE(link.IsOpen());
}

TEST(Connect, NothingAnsweringShowsMessage1143AndLeavesThePortClosed) {
  auto silent = Silent();
  CRadioLink link(test::SilentPeerTiming());
  std::vector<int> shown;
  ConnectOptions options{0, "", Ports({{2, silent->Path()}}),
                         [&](int id, const MessageArgument&) { shown.push_back(id); }};
  EXPECT_EQ(Connect(link, options), 0);
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(shown, std::vector<int>{text::kMsgNoRadio});
  EXPECT_EQ(silent->WaitForRequests(3), 3u);
}

TEST(Connect, DevicePathIsTriedAlone) {
  auto radio = Radio();
  CRadioLink link(test::FastTiming());
  ConnectOptions options{0, radio->Path(), Ports({}), nullptr};
  EXPECT_EQ(Connect(link, options), kDevicePathPort);
  link.Close();
  options.lookup = Ports({{7, radio->Path()}});
  EXPECT_EQ(Connect(link, options), 7);
}

TEST(Connect, ProbeShowsOnlyPortsThatOpen) {
  auto a = Silent();
  auto b = Silent();
  CSerialPort holder;
  ASSERT_TRUE(holder.Open(b->Path()));
  const auto available = ProbePorts(Ports({{1, a->Path()}, {2, b->Path()}}));
  EXPECT_TRUE(available[0]);
  EXPECT_FALSE(available[1]);  // held by another user
  EXPECT_FALSE(available[2]);
  EXPECT_TRUE(a->Requests().empty());
}

}  // namespace
}  // namespace vex
