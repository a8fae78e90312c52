// The Factory Mode dialog's radio work against the simulator.
#include "base/text_ids.h"
#include "link/factory_mode.h"
#include "sim_rig.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

using test::SimRig;

bool Covered(const std::vector<TransferBlock>& plan, std::size_t address) {
  for (const TransferBlock& b : plan) {
    if (address >= b.address && address < b.address + b.length) return true;
  }
  return false;
}

// Every byte the plan covers is `covered`'s, every other byte `rest`'s.
void ExpectBlocks(const Image& actual, const std::vector<TransferBlock>& plan, const Image& covered,
                  const Image& rest) {
  for (std::size_t a = 0; a < actual.size(); ++a) {
    ASSERT_EQ(actual[a], Covered(plan, a) ? covered[a] : rest[a]) << a;
  }
}

TEST(FactoryModeE2E, ReadTakesTheModelBlocksAndKeepsTheRest) {
  SimRig rig;
  FactoryModel model;
  model.setSerialNumber("keep");
  Image start{};
  model.toImage(start);
  std::string firmware;
  CRadioLink link(test::QuickTiming());
  ASSERT_EQ(ReadFactoryModel(link, rig.host, model, firmware), 1);
  EXPECT_EQ(firmware, "1.03.11");
  EXPECT_EQ(rig.host.messages, std::vector<int>{text::kMsgReadDone});
  Image image{};
  model.toImage(image);
  ExpectBlocks(image, FactoryReadPlan(), rig.radio.Memory(), start);
  EXPECT_EQ(rig.radio.Mode(), 1);
}

TEST(FactoryModeE2E, AFailedReadChangesNothing) {
  sim::SimOptions options;
  options.faults.failAddress = 72;
  SimRig rig(options);
  FactoryModel model;
  const FactoryModel before = model;
  std::string firmware;
  CRadioLink link(test::QuickTiming());
  EXPECT_EQ(ReadFactoryModel(link, rig.host, model, firmware), 0);
  ASSERT_EQ(rig.host.messages, std::vector<int>{text::kMsgReadFailedAt});
  EXPECT_EQ(rig.host.arguments[0].number, 72);
  EXPECT_EQ(model, before);
  EXPECT_EQ(firmware, "1.03.11");  // the version was shown before the blocks

  sim::SimOptions garbled;  // greeted, then every information item garbled
  garbled.faults.badChecksum = {2, 4};
  SimRig quiet(garbled);
  EXPECT_EQ(ReadFactoryModel(link, quiet.host, model, firmware), 0);
  EXPECT_EQ(quiet.host.messages, std::vector<int>{text::kMsgIdentityFailed});
}

TEST(FactoryModeE2E, WriteSendsTheModelInRadioByteOrder) {
  SimRig rig;
  FactoryModel model;
  model.setModelName("Vex F9");
  model.setEdges(400, 470);
  model.setOption(FactoryModel::kOscillator, 33);
  model.setVolumes(1, 2);
  const sim::Image before = rig.radio.Memory();
  CRadioLink link(test::QuickTiming());
  ASSERT_EQ(WriteFactoryModel(link, rig.host, model), 1);
  EXPECT_EQ(rig.host.messages, std::vector<int>{text::kMsgWriteDone});
  Image image{};
  model.toImage(image);
  const sim::Image memory = rig.radio.Memory();
  ExpectBlocks(memory, FactoryWritePlan(), image, before);
  EXPECT_EQ(memory[47], 470 & 0xFF);
  EXPECT_EQ(rig.radio.Mode(), 1);
}

TEST(FactoryModeE2E, WriteFailuresNameTheBlock) {
  sim::SimOptions options;
  options.faults.failAddress = 213;
  SimRig rig(options);
  CRadioLink link(test::QuickTiming());
  EXPECT_EQ(WriteFactoryModel(link, rig.host, FactoryModel{}), 0);
  ASSERT_EQ(rig.host.messages, std::vector<int>{text::kMsgWriteFailedAt});
  EXPECT_EQ(rig.host.arguments[0].number, 213);

  sim::SimOptions refused;
  refused.faults.refusedModes = {3};
  SimRig other(refused);
  EXPECT_EQ(WriteFactoryModel(link, other.host, FactoryModel{}), 0);
  EXPECT_EQ(other.host.messages, std::vector<int>{text::kMsgNoRadio});
}

TEST(FactoryModeE2E, TuneSwitchIsOneByteWrittenInReadMode) {
  SimRig rig;
  FactoryModel model;
  Image image{};
  CRadioLink link(test::QuickTiming());
  ASSERT_EQ(WriteTuneSwitch(link, rig.host, true, model, image), 1);
  EXPECT_EQ(rig.host.messages, std::vector<int>{text::kMsgTuneDataWritten});
  EXPECT_EQ(rig.radio.Memory()[181], 1);
  EXPECT_EQ(rig.radio.Memory()[182], test::Pattern(5)[182]);
  EXPECT_EQ(image[181], 1);
  EXPECT_TRUE(model.tuneSwitchOpen());
  EXPECT_EQ(WriteTuneSwitch(link, rig.host, false, model, image), 1);
  EXPECT_EQ(rig.radio.Memory()[181], 0);

  sim::SimOptions options;
  options.faults.failAddress = 181;
  SimRig failing(options);
  EXPECT_EQ(WriteTuneSwitch(link, failing.host, true, model, image), 0);
  ASSERT_EQ(failing.host.messages, std::vector<int>{text::kMsgWriteFailedAt});
  EXPECT_EQ(failing.host.arguments[0].number, 181);

  options.faults = {};
  options.faults.refusedModes = {2};
  SimRig refused(options);
  EXPECT_EQ(WriteTuneSwitch(link, refused.host, true, model, image), 0);
  EXPECT_EQ(refused.host.messages, std::vector<int>{text::kMsgNoRadio});
}

}  // namespace
}  // namespace vex
