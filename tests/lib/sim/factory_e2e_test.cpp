// The factory link and the tuning write against the simulator.
#include "base/text_ids.h"
#include "link/factory_link.h"
#include "link/transfer_messages.h"
#include "sim_rig.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

using Rig = test::SimRig;

TEST(FactoryE2E, TuningWriteSendsTheAdjustmentValues) {
  Rig rig;
  sim::Image image{};
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i);
  const sim::Image before = rig.radio.Memory();
  CRadioLink link(test::QuickTiming());
  EXPECT_EQ(WriteTuneData(link, image, rig.host), 1);
  EXPECT_EQ(rig.host.messages, std::vector<int>{text::kMsgTuneDataWritten});
  const sim::Image memory = rig.radio.Memory();
  for (std::size_t a = 0; a < memory.size(); ++a)
    ASSERT_EQ(memory[a], a >= 5667 && a < 6199 ? image[a] : before[a]) << a;
  EXPECT_EQ(rig.radio.Mode(), 1);
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(rig.host.identityStores, 1);
}

TEST(FactoryE2E, TuningWriteStopsAtAFailedBlock) {
  sim::SimOptions options;
  options.faults.failAddress = 5667 + 64;  // the third block
  Rig rig(options);
  sim::Image image{};
  CRadioLink link(test::QuickTiming());
  EXPECT_EQ(WriteTuneData(link, image, rig.host), 0);
  ASSERT_EQ(rig.host.messages, std::vector<int>{text::kMsgWriteFailedAt});
  EXPECT_EQ(rig.host.arguments[0].number, 5667 + 64);
}

TEST(FactoryE2E, TuningWriteRefusesARadioOfAnotherBand) {
  Rig rig;
  rig.host.range = "400-480";
  sim::Image image{};
  CRadioLink link(test::QuickTiming());
  EXPECT_EQ(WriteTuneData(link, image, rig.host), 0);
  ASSERT_EQ(rig.host.messages, std::vector<int>{text::kMsgBandMismatch});
  EXPECT_EQ(rig.host.arguments[0].text, "400-470");
  EXPECT_EQ(rig.host.identityStores, 0);
}

TEST(FactoryE2E, AdjustmentLinkSpeaksTheTuningCommands) {
  Rig rig;
  CRadioLink link(test::QuickTiming());
  ASSERT_EQ(OpenFactoryLink(link, 6, rig.host), 1);
  EXPECT_EQ(rig.radio.Mode(), 6);
  const std::uint8_t value[2] = {0x34, 0x12};
  EXPECT_EQ(link.WriteTune(9, value, 2), 1);
  EXPECT_EQ(link.EndTune(true), 1);
  std::uint8_t back[2] = {};
  EXPECT_EQ(link.ReadTune(9, back, 2), 1);
  EXPECT_EQ(back[1], 0x12);
  EXPECT_EQ(link.SetOutput('b', 1), 1);
  EXPECT_EQ(rig.radio.Output(), (std::array<std::uint8_t, 2>{'b', 1}));
}

}  // namespace
}  // namespace vex
