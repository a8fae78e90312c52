// Commands and frames of CRadioLink against a scripted far end, with
// shrunken timings. Counts of requests a silent peer got are waited for:
// the link may give up on a request before the peer has read it.
#include "link/radio_link.h"
#include "link/protocol.h"
#include "scripted_peer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <sstream>

namespace vex {
namespace {

using test::Bytes;
using test::ScriptedPeer;

Bytes Ack(std::uint8_t status, std::uint8_t command, std::uint8_t sub) {
  return protocol::MakeAck(status, command, sub);
}

// A frame with STX, the given header and data, a right checksum and ETX.
Bytes WithChecksum(Bytes body) {
  Bytes frame{0x02};
  frame.insert(frame.end(), body.begin(), body.end());
  frame.push_back(protocol::Checksum(std::span(frame).subspan(1)));
  frame.push_back(0x03);
  return frame;
}

struct OpenLink {
  explicit OpenLink(ScriptedPeer::Handler handler, LinkTiming timing = test::FastTiming())
      : peer(std::move(handler)), link(timing) {
    EXPECT_TRUE(link.Open(peer.Path()));
    EXPECT_TRUE(link.SetCommParams(38400, 8, 1, 2));
    link.SetReplyTimeout(link.Timing().replyTimeout);
  }
  ScriptedPeer peer;
  CRadioLink link;
};

TEST(Checksum, IsTheNegatedByteSum) {
  const Bytes abc{'a', 'b', 'c'};
  EXPECT_EQ(CSerialPort::Checksum(abc), 0xDA);
  EXPECT_EQ(CSerialPort::Checksum({}), 0x00);
}

// The end-to-end tests wait longer for replies than a radio needs; this is
// what keeps the real time-out honest: the longest exchange, a 32-byte block
// read, fits at wire speed with room to spare.
TEST(LinkTiming, TheRealTimeOutCoversTheLongestExchangeAtWireSpeed) {
  const LinkTiming real;
  const auto wire = kWireByteTime * (10 + 32 + protocol::kMemoryReplyOverhead);
  EXPECT_LT(2 * wire, real.requestPause + real.replyTimeout);
}

TEST(SerialPort, OpenRefusesMissingDevicesAndCloseIsIdempotent) {
  CSerialPort port;
  EXPECT_EQ(port.Open("/nonexistent/tty"), 0);
  EXPECT_EQ(port.Open("/dev/null"), 0);  // not a terminal
  EXPECT_FALSE(port.IsOpen());
  EXPECT_NE(port.Close(), 0);
  EXPECT_NE(port.Close(), 0);
}

TEST(SerialPort, SecondOpenOfTheSameDeviceFails) {
  ScriptedPeer peer([](const Bytes&, int) { return Bytes{}; });
  CSerialPort first;
  CSerialPort second;
  ASSERT_NE(first.Open(peer.Path()), 0);
  EXPECT_EQ(second.Open(peer.Path()), 0);
  first.Close();
  EXPECT_NE(second.Open(peer.Path()), 0);
}

TEST(SerialPort, TransactRetryCountsAttemptsAndNeverSendsForZeroTries) {
  OpenLink o([](const Bytes&, int index) { return index < 2 ? Bytes{1, 2} : Bytes{1, 2, 3}; }, test::PatientTiming());
  std::uint8_t reply[3] = {};
  const Bytes request{0x02, 'X', 0x03};
  EXPECT_EQ(o.link.TransactRetry(request, reply, 3, 0), 0);
  EXPECT_EQ(o.link.TransactRetry(request, reply, 3, -1), 0);
  EXPECT_TRUE(o.peer.Requests().empty());
  // Two short replies, then a full one: the third attempt succeeds.
  EXPECT_EQ(o.link.TransactRetry(request, reply, 3, 3), 1);
  EXPECT_EQ(o.peer.Requests().size(), 3u);
  EXPECT_EQ(reply[2], 3);
}

TEST(SerialPort, LongerReplyIsCutAndTheExcessPurgedBeforeTheNextRequest) {
  OpenLink o([](const Bytes&, int index) { return Bytes{static_cast<std::uint8_t>(index), 9, 9, 9, 9}; });
  std::uint8_t reply[2] = {};
  const Bytes request{0x02, 'X', 0x03};
  ASSERT_EQ(o.link.Transact(request, reply, 2), 1);
  EXPECT_EQ(reply[0], 0);
  ASSERT_EQ(o.link.Transact(request, reply, 2), 1);
  EXPECT_EQ(reply[0], 1);  // not a leftover 9 of the first reply
}

TEST(SerialPort, HangUpEndsReadsAtOnce) {
  OpenLink o([](const Bytes&, int) { return Bytes{}; });
  o.peer.HangUp();
  const auto timeout = std::chrono::seconds(20);
  o.link.SetReplyTimeout(timeout);
  std::uint8_t reply[6];
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(o.link.ReadBytes(reply, 6), 0u);
  EXPECT_TRUE(o.link.HungUp());
  EXPECT_LT(std::chrono::steady_clock::now() - start, timeout / 2);
}

TEST(RadioLink, WriteMemorySendsTheDocumentedFrame) {
  OpenLink o([](const Bytes&, int) { return Ack('a', 'E', 'a'); });
  const std::uint8_t data[2] = {0x12, 0x34};
  EXPECT_EQ(o.link.WriteMemory(0x0020, 2, data), 1);
  const Bytes expected{0x02, 0x45, 0x61, 0x07, 0x00, 0x20, 0x00, 0x00, 0x00, 0x12, 0x34, 0xED, 0x03};
  ASSERT_EQ(o.peer.Requests().size(), 1u);
  EXPECT_EQ(o.peer.Requests()[0], expected);
}

TEST(RadioLink, WriteMemoryFailsAtOnceOnAWrongAcknowledge) {
  OpenLink o([](const Bytes&, int) { return Ack('b', 'E', 'a'); });
  const std::uint8_t data[1] = {0};
  EXPECT_EQ(o.link.WriteMemory(0, 1, data), 0);
  EXPECT_EQ(o.peer.Requests().size(), 1u);
}

TEST(RadioLink, ReadMemoryTakesAnyHeaderButNeedsTheFrameAndTracesRefusals) {
  Bytes body{0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0x11, 0x22, 0x33, 0x5A, 0xA5};  // arbitrary header, 2 data bytes
  const Bytes good = WithChecksum(body);
  Bytes spliced = good;
  spliced.front() = 0x7F;  // the checksum holds, the frame does not
  std::atomic<bool> splice{false};
  std::ostringstream log;  // outlives the link, which traces its closing
  LinkTrace trace(log);
  OpenLink o([&](const Bytes&, int) { return splice ? spliced : good; });
  o.link.SetTrace(&trace);
  std::uint8_t dest[2] = {};
  EXPECT_EQ(o.link.ReadMemory(0x1234, 2, dest), 1);
  EXPECT_EQ(dest[0], 0x5A);
  EXPECT_EQ(dest[1], 0xA5);
  const Bytes expectedRequest{0x02, 'E', 'b', 0x34, 0x12, 0x00, 0x00, 0x02, 0x00, 0x03};
  EXPECT_EQ(o.peer.Requests()[0], expectedRequest);

  splice = true;
  dest[0] = 7;
  EXPECT_EQ(o.link.ReadMemory(0x1234, 2, dest), 0);
  EXPECT_EQ(dest[0], 7);
  EXPECT_EQ(o.link.RefusedReplies(), 1);
  EXPECT_NE(log.str().find("memory reply refused: bad frame (1 refused)"), std::string::npos) << log.str();
}

TEST(RadioLink, ReadMemoryWithChecksumOffByOneLeavesTheDestination) {
  Bytes bad = WithChecksum({0, 0, 0, 0, 0, 0, 0, 0, 0x10, 0x20});
  bad[bad.size() - 2] = static_cast<std::uint8_t>(bad[bad.size() - 2] + 1);
  OpenLink o([&](const Bytes&, int) { return bad; });
  std::uint8_t dest[2] = {7, 7};
  EXPECT_EQ(o.link.ReadMemory(0, 2, dest), 0);
  EXPECT_EQ(dest[0], 7);
  EXPECT_EQ(o.peer.Requests().size(), 1u);  // no retry after a wrong checksum
}

TEST(RadioLink, ReadMemoryGivesUpAfterThreeShortRepliesAndALongerWait) {
  OpenLink o([](const Bytes&, int) { return Bytes{0x02, 'E'}; }, test::SilentPeerTiming());
  std::uint8_t dest[32];
  EXPECT_EQ(o.link.ReadMemory(0, 32, dest), 0);
  EXPECT_EQ(o.peer.WaitForRequests(4), 4u);
}

// A radio whose replies miss every usual wait (a busy computer) still gets
// its block through on the longer last try, read or write.
TEST(RadioLink, MemoryBlocksGetALongerLastTryAfterThreeTimeOuts) {
  const Bytes readReply = WithChecksum({0, 0, 0, 0, 0, 0, 0, 0, 0x10, 0x20});
  OpenLink o([&](const Bytes& request, int index) {
    if (index % 4 != 3) return Bytes{};
    return request[2] == 'b' ? readReply : Ack('a', 'E', 'a');
  }, test::SilentPeerTiming());
  std::uint8_t dest[2] = {};
  EXPECT_EQ(o.link.ReadMemory(0, 2, dest), 1);
  EXPECT_EQ(dest[1], 0x20);
  EXPECT_EQ(o.link.WriteMemory(0, 2, dest), 1);
  EXPECT_EQ(o.peer.Requests().size(), 8u);
}

TEST(RadioLink, SetModeMapsTheStatusLetter) {
  std::atomic<std::uint8_t> status{'a'};
  OpenLink o([&](const Bytes&, int) { return Ack(status.load(), 'M', 'a'); });
  EXPECT_EQ(o.link.SetMode(0x0203), 1);
  EXPECT_EQ(o.peer.Requests()[0], (Bytes{0x02, 'M', 'a', 0x03, 0x02, 0x03}));
  status = 'c';
  EXPECT_EQ(o.link.SetMode(2), -1);
  status = 'x';
  EXPECT_EQ(o.link.SetMode(2), 0);
}

TEST(RadioLink, HandshakeLongStopsAtTheFirstWrongFullLengthReply) {
  // A silent first round, then a wrong acknowledge in the second.
  OpenLink o([](const Bytes&, int index) { return index < 3 ? Bytes{} : Ack('a', 'P', 'b'); }, test::PatientTiming());
  EXPECT_EQ(o.link.HandshakeLong(), 0);
  EXPECT_EQ(o.peer.Requests().size(), 4u);
  EXPECT_EQ(o.peer.Requests()[0], (Bytes{0x02, 'P', 'a', 0x03}));
}

TEST(RadioLink, HandshakeLongTriesThirtyTimesThenGivesUp) {
  OpenLink o([](const Bytes&, int) { return Bytes{}; }, test::SilentPeerTiming());
  EXPECT_EQ(o.link.HandshakeLong(), 0);
  EXPECT_EQ(o.peer.WaitForRequests(30), 30u);
}

TEST(RadioLink, HandshakeSucceedsWithinThreeTries) {
  OpenLink o([](const Bytes&, int index) { return index == 2 ? Ack('a', 'P', 'a') : Bytes{}; }, test::PatientTiming());
  EXPECT_EQ(o.link.Handshake(), 1);
  EXPECT_EQ(o.peer.Requests().size(), 3u);
}

// Answers the information items like a radio with the given texts.
Bytes InfoReply(const Bytes& request, const std::string& name, const std::string& version) {
  Bytes data;
  switch (request[3]) {
    case 3:
      data.assign(name.begin(), name.end());
      data.resize(12, 0);
      break;
    case 5: data = {0x80, 0x13, 0x60, 0, 0, 0x17, 0x40, 0, 0}; break;
    case 7: data = {0x42}; break;
    case 8:
      data.assign(version.begin(), version.end());
      data.resize(16, 0);
      for (char c : std::string("VEXM1")) data.push_back(static_cast<std::uint8_t>(c));
      data.resize(32, 0);
      break;
  }
  Bytes body{'B', 'c', request[3], 0, 0, 0};
  body.insert(body.end(), data.begin(), data.end());
  return WithChecksum(body);
}

TEST(RadioLink, QueryIdentityReadsTheFourItems) {
  const std::string versions[] = {"1.02.99", "1.03.77", "1.04.00"};
  std::atomic<int> which{0};
  OpenLink o([&](const Bytes& r, int) { return InfoReply(r, "ABCDEFGHIJKL", versions[which.load()]); });
  RadioIdentity id;
  ASSERT_EQ(o.link.QueryIdentity("1.03.11", id), 1);
  EXPECT_EQ(id.modelName, "ABCDEFGHIJKL");  // 12 characters without a terminator
  EXPECT_EQ(id.band[1], 0x13);
  EXPECT_EQ(id.signalling, 0x42);
  EXPECT_EQ(id.version, "1.02.99");
  EXPECT_EQ(id.modelId, "VEXM1");
  EXPECT_EQ(id.versionOrder, -1);
  which = 1;
  ASSERT_EQ(o.link.QueryIdentity("1.03.11", id), 1);
  EXPECT_EQ(id.versionOrder, 0);
  which = 2;
  ASSERT_EQ(o.link.QueryIdentity("1.03.11", id), 1);
  EXPECT_EQ(id.versionOrder, 1);
}

TEST(RadioLink, QueryIdentityKeepsFieldsOfMissingItemsAndFailsWithoutItemEight) {
  // Items 3 and 8 come with a wrong checksum, so they fail without waiting.
  OpenLink o([](const Bytes& r, int) {
    Bytes reply = InfoReply(r, "", "1.03");
    if (r[3] == 3 || r[3] == 8) reply[reply.size() - 2] ^= 0x01;
    return reply;
  });
  RadioIdentity id;
  id.modelName = "kept";
  EXPECT_EQ(o.link.QueryIdentity("1.03.11", id), 0);
  EXPECT_EQ(id.modelName, "kept");
  EXPECT_EQ(id.signalling, 0x42);
}

TEST(RadioLink, SendPasswordPadsWithZeros) {
  OpenLink o([](const Bytes&, int) { return Ack('a', 'W', 'b'); });
  EXPECT_EQ(o.link.SendPassword("", 2), 1);
  const Bytes sent = o.peer.Requests()[0];
  ASSERT_EQ(sent.size(), 17u);
  EXPECT_EQ(sent[3], 11);
  EXPECT_EQ(sent[5], 2);
  for (int i = 7; i < 15; ++i) EXPECT_EQ(sent[i], 0);
  EXPECT_EQ(protocol::Checksum(std::span(sent).subspan(1, 15)), 0);
  EXPECT_EQ(o.link.SendPassword("123456789", 1), 1);  // only 8 characters fit
  EXPECT_EQ(o.peer.Requests()[1][14], '8');
}

TEST(RadioLink, TuningCommands) {
  OpenLink o([](const Bytes& r, int) -> Bytes {
    if (r[1] == 'M') return r[3] == 6 ? Ack('a', 'M', 'a') : Bytes{};
    if (r[1] == 'V' && r[2] == 'b') return {0x02, 'V', 'c', r[3], r[4], 0x11, 0x22, 0x00};
    if (r[1] == 'V') return Ack('a', 'V', r[2]);
    if (r[1] == 'O') return Ack('a', 'O', r[2]);
    return {};
  });
  std::uint8_t value[2] = {};
  EXPECT_EQ(o.link.ReadTune(0x0105, value, 2), 1);
  EXPECT_EQ(value[0], 0x11);
  EXPECT_EQ(o.peer.Requests()[1], (Bytes{0x02, 'V', 'b', 0x05, 0x01, 0x03}));
  EXPECT_EQ(o.link.WriteTune(7, value, 2), 1);
  EXPECT_EQ(o.peer.Requests()[2], (Bytes{0x02, 'V', 'a', 7, 0, 0x11, 0x22, 0x03}));
  EXPECT_EQ(o.link.EndTune(true), 1);
  EXPECT_EQ(o.peer.Requests()[3], (Bytes{0x02, 'V', 'j', 0, 0, 0x03}));
  EXPECT_EQ(o.link.EndTune(false), 1);
  EXPECT_EQ(o.link.SetOutput('b', 1), 1);
  EXPECT_EQ(o.peer.Requests().back(), (Bytes{0x02, 'O', 'b', 1, 0, 0x03}));
}

TEST(RadioLink, ReadTuneIsMinusOneWhenTheModeSwitchIsNotAnswered) {
  OpenLink o([](const Bytes&, int) { return Bytes{}; }, test::SilentPeerTiming());
  std::uint8_t value[2] = {};
  EXPECT_EQ(o.link.ReadTune(1, value, 2), -1);
  EXPECT_EQ(o.peer.WaitForRequests(3), 3u);
  for (const Bytes& request : o.peer.Requests()) EXPECT_EQ(request[1], 'M');  // only the mode switch was sent
}

TEST(RadioLink, ReadTuneRejectsAWrongEcho) {
  OpenLink o([](const Bytes& r, int) -> Bytes {
    if (r[1] == 'M') return Ack('a', 'M', 'a');
    return {0x02, 'V', 'c', 0x09, 0x00, 0x11, 0x22, 0x03};
  });
  std::uint8_t value[2] = {5, 5};
  EXPECT_EQ(o.link.ReadTune(1, value, 2), 0);
  EXPECT_EQ(value[0], 5);
}

}  // namespace
}  // namespace vex
