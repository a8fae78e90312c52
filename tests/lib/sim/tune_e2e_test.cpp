// The tuning dialog's radio work against the simulator.
#include "base/text_ids.h"
#include "link/factory_link.h"
#include "link/tune_session.h"
#include "sim_rig.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

using test::SimRig;

const TuneItem kPowerHigh{0x8010, 31, "TX Power High"};
const TuneItem kSquelch{0x8300, 64543, "Squelch Open"};

// Requests of opening the adjustment link: greeting, four items, mode 6.
constexpr int kOpened = 6;

struct TuneRig : SimRig {
  explicit TuneRig(sim::SimOptions options = {}) : SimRig(std::move(options)) {
    sim::Image memory = radio.Memory();
    memory[layout::kAdjust.first + *AdjustSection::positionOf(0x8010)] = 0x00;
    memory[layout::kAdjust.first + *AdjustSection::positionOf(0x8010) + 1] = 0x7B;  // 123
    radio.SetMemory(memory);
    adjust.reset();
    EXPECT_EQ(OpenFactoryLink(link, 6, host), 1);
  }
  std::uint16_t AdjustValue(std::uint16_t code) const {
    const sim::Image memory = radio.Memory();
    const std::size_t at = layout::kAdjust.first + *AdjustSection::positionOf(code);
    return static_cast<std::uint16_t>((memory[at] << 8) | memory[at + 1]);
  }
  CRadioLink link{test::QuickTiming()};
  AdjustSection adjust;
};

TEST(TuneE2E, ValuesSentAreKeptOnlyByAnEndWithKeep) {
  TuneRig rig;
  std::uint16_t first = 0;
  ASSERT_FALSE(ReadFirstValue(rig.link, kPowerHigh, first).close);
  EXPECT_EQ(first, 123);
  TuneSession session(rig.link, kPowerHigh, rig.adjust, first);
  EXPECT_EQ(session.tabs().size(), 5u);
  EXPECT_EQ(session.value(), 123);

  EXPECT_FALSE(session.commitValue(300).close);  // clamped to 255
  EXPECT_EQ(session.value(), 255);
  EXPECT_EQ(session.adjust().value(0x8010), 255);
  EXPECT_FALSE(session.selectTab(2).close);
  EXPECT_EQ(session.currentCode(), 0x8012);
  EXPECT_EQ(session.fivePoint(), 2u);
  EXPECT_FALSE(session.commitValue(7).close);
  EXPECT_FALSE(session.selectTab(0).close);
  EXPECT_EQ(session.value(), 255);  // the live value, not yet kept
  EXPECT_EQ(rig.AdjustValue(0x8010), 123);

  ASSERT_TRUE(session.finish(true));
  EXPECT_EQ(rig.AdjustValue(0x8010), 255);
  EXPECT_EQ(rig.AdjustValue(0x8012), 7);
  EXPECT_EQ(session.adjust().value(0x8012), 7);
}

TEST(TuneE2E, AnEndWithoutKeepDropsTheValues) {
  TuneRig rig;
  TuneSession session(rig.link, kPowerHigh, rig.adjust, 123);
  EXPECT_FALSE(session.commitValue(5).close);
  ASSERT_TRUE(session.finish(false));
  EXPECT_EQ(rig.AdjustValue(0x8010), 123);
}

TEST(TuneE2E, SpacingsTabsVolumeAndOutput) {
  TuneRig rig;
  TuneSession session(rig.link, kSquelch, rig.adjust, 0);
  EXPECT_FALSE(session.middleShown());
  EXPECT_TRUE(session.spacingEnabled(Spacing::Wide));
  EXPECT_TRUE(session.spacingEnabled(Spacing::Narrow));
  EXPECT_FALSE(session.spacingEnabled(Spacing::Middle));
  EXPECT_EQ(session.spacing(), Spacing::Wide);
  ASSERT_FALSE(session.selectSpacing(Spacing::Narrow).close);
  ASSERT_EQ(session.tabs().size(), 5u);
  EXPECT_EQ(session.tabs()[0].code, 0x830A);
  EXPECT_EQ(session.tabs()[4].position, 4u);

  EXPECT_TRUE(session.volumeEnabled());
  EXPECT_FALSE(session.commitVolume(999).close);
  EXPECT_EQ(session.volume(), 255);

  EXPECT_EQ(session.outputSelector(), 'b');
  session.switchOutput(true);
  EXPECT_TRUE(session.outputOn());
  EXPECT_EQ(rig.radio.Output(), (std::array<std::uint8_t, 2>{'b', 1}));
  ASSERT_TRUE(session.finish(false));
  EXPECT_EQ(rig.radio.Output(), (std::array<std::uint8_t, 2>{0, 0}));  // ending switches it off

  TuneSession power(rig.link, kPowerHigh, rig.adjust, 0);
  EXPECT_FALSE(power.volumeEnabled());
  EXPECT_EQ(power.outputSelector(), 'a');
  EXPECT_FALSE(power.spacingEnabled(Spacing::Narrow));  // only the wide group
}

TEST(TuneE2E, FailuresCloseTheDialogWithTheirMessage) {
  {
    TuneRig rig;
    std::uint16_t value = 0;
    const TuneStep nothing = ReadFirstValue(rig.link, {0x8000, 0, "x"}, value);
    EXPECT_TRUE(nothing.close);
    EXPECT_EQ(nothing.message, text::kMsgNothingToTune);
  }
  {
    sim::SimOptions options;
    options.faults.shortReply = {kOpened + 2, 3};  // the value request, all three tries
    TuneRig rig(options);
    std::uint16_t value = 0;
    EXPECT_EQ(ReadFirstValue(rig.link, kPowerHigh, value).message, text::kMsgTuneReadFailed);
  }
  {
    sim::SimOptions options;
    options.faults.silentAfter = kOpened;
    TuneRig rig(options);
    // Nothing answers any more, so nothing can come late: the real time-out.
    rig.link.SetReplyTimeout(LinkTiming{}.replyTimeout);
    std::uint16_t value = 0;
    EXPECT_EQ(ReadFirstValue(rig.link, kPowerHigh, value).message, text::kMsgNoRadio);
    TuneSession session(rig.link, kPowerHigh, rig.adjust, 0);
    const TuneStep write = session.commitValue(1);
    EXPECT_TRUE(write.close);
    EXPECT_EQ(write.message, text::kMsgTuneWriteFailed);
    session.switchOutput(true);
    EXPECT_FALSE(session.outputOn());
  }
}

}  // namespace
}  // namespace vex
