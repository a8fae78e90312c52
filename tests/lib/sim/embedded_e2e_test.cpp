// Reading and writing the embedded data against the simulator, with the
// radio's failures.
#include "base/text_ids.h"
#include "link/embedded_link.h"
#include "sim_rig.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

using test::SimRig;

EmbeddedBytes RadioEmbedded(const sim::Image& memory) {
  EmbeddedBytes bytes{};
  std::copy_n(memory.begin() + kEmbeddedRadioAddress, bytes.size(), bytes.begin());
  return bytes;
}

TEST(EmbeddedE2E, ReadTakesTheRadiosBytesAndItsIdentity) {
  SimRig rig;
  CRadioLink link(test::QuickTiming());
  EmbeddedBytes out{};
  ASSERT_EQ(ReadEmbeddedData(link, rig.host, out), 1);
  EXPECT_EQ(out, RadioEmbedded(rig.radio.Memory()));
  EXPECT_EQ(rig.host.messages, std::vector<int>{text::kMsgReadDone});
  EXPECT_EQ(rig.host.identityStores, 1);
  EXPECT_EQ(rig.host.identityRefreshes, 1);
  EXPECT_EQ(rig.host.storedBand, "400-470");
  EXPECT_EQ(rig.radio.Mode(), 1);
  EXPECT_FALSE(link.IsOpen());
}

TEST(EmbeddedE2E, ReadFailuresLeaveTheBytesAlone) {
  struct Case {
    const char* name;
    sim::SimOptions options;
    std::vector<int> messages;
    long address;
  };
  std::vector<Case> cases(3);
  cases[0] = {"identity", {}, {text::kMsgIdentityFailed}, 0};
  cases[0].options.faults.badChecksum = {2, 4};  // greeted, then every information item garbled
  cases[1] = {"mode refused", {}, {text::kMsgModeRefused}, 0};
  cases[1].options.faults.refusedModes = {2};
  cases[2] = {"block", {}, {text::kMsgReadFailedAt}, 5240};
  cases[2].options.faults.failAddress = 5240;
  for (Case& c : cases) {
    SimRig rig(c.options);
    CRadioLink link(test::QuickTiming());
    EmbeddedBytes out{};
    out.fill(0x5A);
    EXPECT_EQ(ReadEmbeddedData(link, rig.host, out), 0) << c.name;
    EXPECT_EQ(rig.host.messages, c.messages) << c.name;
    EXPECT_EQ(rig.host.arguments.back().number, c.address) << c.name;
    EXPECT_EQ(out[0], 0x5A) << c.name;
    EXPECT_FALSE(link.IsOpen()) << c.name;
  }
}

TEST(EmbeddedE2E, ReadAsksForTheRadioPasswordThreeTimes) {
  sim::SimOptions options;
  options.readPassword = "1234";
  {
    SimRig rig(options);
    rig.host.passwords = {"1", "2", "3", "1234"};
    CRadioLink link(test::QuickTiming());
    EmbeddedBytes out{};
    EXPECT_EQ(ReadEmbeddedData(link, rig.host, out), 0);
    EXPECT_EQ(rig.host.passwordPrompts, 3);
    EXPECT_EQ(rig.host.messages, std::vector<int>(3, text::kMsgWrongPassword));
  }
  SimRig rig(options);
  rig.host.passwords = {"9", "1234"};
  CRadioLink link(test::QuickTiming());
  EmbeddedBytes out{};
  EXPECT_EQ(ReadEmbeddedData(link, rig.host, out), 1);
  EXPECT_EQ(out, RadioEmbedded(rig.radio.Memory()));
}

TEST(EmbeddedE2E, WriteSendsTheBytesWithoutIdentifyingTheRadio) {
  SimRig rig;
  EmbeddedBytes bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(200 - i);
  const sim::Image before = rig.radio.Memory();
  CRadioLink link(test::QuickTiming());
  ASSERT_EQ(WriteEmbeddedData(link, rig.host, bytes), 1);
  EXPECT_EQ(rig.host.messages, std::vector<int>{text::kMsgWriteDone});
  EXPECT_EQ(rig.host.identityStores, 0);
  const sim::Image memory = rig.radio.Memory();
  EXPECT_EQ(RadioEmbedded(memory), bytes);
  EXPECT_EQ(memory[kEmbeddedRadioAddress - 1], before[kEmbeddedRadioAddress - 1]);
  EXPECT_EQ(memory[kEmbeddedRadioAddress + kEmbeddedLength], before[kEmbeddedRadioAddress + kEmbeddedLength]);
  EXPECT_EQ(rig.radio.Mode(), 1);
}

TEST(EmbeddedE2E, WriteStopsAtTheFailedBlockOrARefusedMode) {
  sim::SimOptions options;
  options.faults.failAddress = 5272;
  SimRig rig(options);
  EmbeddedBytes bytes{};
  const sim::Image before = rig.radio.Memory();
  CRadioLink link(test::QuickTiming());
  EXPECT_EQ(WriteEmbeddedData(link, rig.host, bytes), 0);
  ASSERT_EQ(rig.host.messages, std::vector<int>{text::kMsgWriteFailedAt});
  EXPECT_EQ(rig.host.arguments[0].number, 5272);
  const sim::Image memory = rig.radio.Memory();
  EXPECT_EQ(memory[5271], 0);             // the blocks before were written
  EXPECT_EQ(memory[5272], before[5272]);  // the failed one and later not
  EXPECT_EQ(rig.radio.Mode(), 3);         // no closing mode command after a failure

  sim::SimOptions refused;
  refused.faults.refusedModes = {3};
  SimRig other(refused);
  EXPECT_EQ(WriteEmbeddedData(link, other.host, bytes), 0);
  EXPECT_EQ(other.host.messages, std::vector<int>{text::kMsgNoRadio});
}

TEST(EmbeddedPassword, AskedOnlyWhenSetAndAtMostThreeTimes) {
  std::vector<int> shown;
  int asked = 0;
  auto answers = [&asked](std::vector<std::string> list) {
    return [&asked, list](int) -> std::optional<std::string> {
      if (asked >= static_cast<int>(list.size())) return std::nullopt;
      return list[static_cast<std::size_t>(asked++)];
    };
  };
  auto show = [&shown](int id) { shown.push_back(id); };
  EXPECT_TRUE(ConfirmEmbeddedPassword("", answers({}), show));
  EXPECT_EQ(asked, 0);
  EXPECT_TRUE(ConfirmEmbeddedPassword("42", answers({"1", "42"}), show));
  EXPECT_EQ(shown, std::vector<int>{text::kMsgWrongPassword});
  asked = 0;
  shown.clear();
  EXPECT_FALSE(ConfirmEmbeddedPassword("42", answers({"1", "2", "3", "42"}), show));
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(shown.size(), 3u);
  asked = 0;
  EXPECT_FALSE(ConfirmEmbeddedPassword("42", answers({}), show));  // cancelled
}

}  // namespace
}  // namespace vex
