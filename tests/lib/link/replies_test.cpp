// The reply checks on their own: a reply shorter than the command's reply
// length is refused like a wrong one, and a refused reply writes nothing.
#include "link/replies.h"
#include "link/protocol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace vex {
namespace {

std::vector<std::uint8_t> Framed(const std::vector<std::uint8_t>& covered) {
  std::vector<std::uint8_t> reply(covered.size() + 3);
  reply.front() = protocol::kStx;
  std::copy(covered.begin(), covered.end(), reply.begin() + 1);
  reply[reply.size() - 2] = protocol::Checksum(covered);
  reply.back() = protocol::kEtx;
  return reply;
}

TEST(Replies, DataRepliesCopyOnlyWhenWholeAndRight) {
  const auto memory = Framed({'E', 'c', 0x20, 0, 0, 0, 2, 0, 0x12, 0x34});
  const auto info = Framed({'B', 'c', 7, 0, 0, 0, 0x5A});
  const std::vector<std::uint8_t> tune{2, 'V', 'c', 5, 0, 0x12, 0x34, 3};
  struct Case {
    const char* name;
    std::vector<std::uint8_t> reply;
    std::size_t length;
    bool (*check)(std::span<const std::uint8_t>, std::span<std::uint8_t>);
  };
  const auto tuneAt5 = [](std::span<const std::uint8_t> r, std::span<std::uint8_t> d) {
    return replies::TuneData(r, 5, d);
  };
  const auto memoryAt0x20 = [](std::span<const std::uint8_t> r, std::span<std::uint8_t> d) {
    auto echo = replies::HeaderEcho::Unknown;
    return replies::CheckMemoryReply(r, 0x20, d, echo) == replies::MemoryReply::Accepted;
  };
  for (const Case& c : {Case{"memory", memory, 2, +memoryAt0x20}, Case{"info", info, 1, replies::InfoData},
                        Case{"tune", tune, 2, +tuneAt5}}) {
    std::array<std::uint8_t, 2> data{0xA5, 0xA5};
    EXPECT_TRUE(c.check(c.reply, std::span(data).first(c.length))) << c.name;
    EXPECT_NE(data[0], 0xA5) << c.name;

    data.fill(0xA5);
    const std::span<const std::uint8_t> cut(c.reply.data(), c.reply.size() - 1);
    EXPECT_FALSE(c.check(cut, std::span(data).first(c.length))) << c.name;
    auto wrong = c.reply;
    wrong[c.reply.size() - 2] ^= 1;  // checksum, or the last tuning data byte
    if (c.check != +tuneAt5) {
      EXPECT_FALSE(c.check(wrong, std::span(data).first(c.length))) << c.name;
    }
    EXPECT_EQ(data, (std::array<std::uint8_t, 2>{0xA5, 0xA5})) << c.name;
  }
  std::array<std::uint8_t, 2> data{};
  EXPECT_FALSE(replies::TuneData(tune, 6, data));
}

// A retry can read a frame made of an old reply's tail and a new reply's
// head; its checksum may still hold, its frame bytes and echo seldom do.
TEST(Replies, MemoryReplyNeedsItsFrameAndOnceEchoedItsBlock) {
  using replies::HeaderEcho;
  using replies::MemoryReply;
  const auto at0x20 = Framed({'E', 'c', 0x20, 0, 0, 0, 2, 0, 0x12, 0x34});
  const auto at0x40 = Framed({'E', 'c', 0x40, 0, 0, 0, 2, 0, 0x12, 0x34});
  const auto noEcho = Framed({0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0x11, 0x22, 0x33, 0x12, 0x34});
  auto noStx = at0x20;
  noStx.front() = 0x34;
  auto noEtx = at0x20;
  noEtx.back() = 0x02;
  struct Case {
    const char* name;
    std::vector<std::uint8_t> reply;
    HeaderEcho before;
    MemoryReply expected;
    HeaderEcho after;
  };
  for (const Case& c : {
           Case{"echoing radio, its block", at0x20, HeaderEcho::Unknown, MemoryReply::Accepted, HeaderEcho::Echoed},
           Case{"echoing radio, another block", at0x40, HeaderEcho::Echoed, MemoryReply::WrongBlock,
                HeaderEcho::Echoed},
           Case{"first reply names no block", noEcho, HeaderEcho::Unknown, MemoryReply::Accepted,
                HeaderEcho::NotEchoed},
           Case{"radio that never echoes", at0x40, HeaderEcho::NotEchoed, MemoryReply::Accepted,
                HeaderEcho::NotEchoed},
           Case{"no STX", noStx, HeaderEcho::Unknown, MemoryReply::BadFrame, HeaderEcho::Unknown},
           Case{"no ETX", noEtx, HeaderEcho::NotEchoed, MemoryReply::BadFrame, HeaderEcho::NotEchoed},
       }) {
    auto echo = c.before;
    std::array<std::uint8_t, 2> data{0xA5, 0xA5};
    EXPECT_EQ(replies::CheckMemoryReply(c.reply, 0x20, data, echo), c.expected) << c.name;
    EXPECT_EQ(echo, c.after) << c.name;
    EXPECT_EQ(data[0] == 0x12, c.expected == MemoryReply::Accepted) << c.name;
  }
}

TEST(Replies, AcknowledgesNeedAllSixBytes) {
  const std::vector<std::uint8_t> password{2, 'A', 'c', 'M', 'a', 3};
  EXPECT_EQ(replies::ModeAnswer(password), -1);
  EXPECT_EQ(replies::ModeAnswer(std::span(password).first(5)), 0);
  EXPECT_TRUE(replies::IsGreeting(std::vector<std::uint8_t>{2, 'A', 'a', 'P', 'a', 3}));
  EXPECT_FALSE(replies::IsGreeting(std::vector<std::uint8_t>{2, 'A', 'a', 'P', 'a'}));
}

}  // namespace
}  // namespace vex
