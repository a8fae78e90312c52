#include "core/frequency_entry.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/channel_links.h"
#include "core/container.h"
#include "core/invalid_log.h"
#include "core/new_channel.h"
#include "core/schema/schema.h"

namespace {

using namespace vex;

const BandLimits kUhf{400, 470};

TEST(CommitFrequencyEdit, PullsIntoTheBandAndSaysSo) {
  const FrequencyEntry high = CommitFrequencyEdit("480", kUhf);
  EXPECT_EQ(high.text, "470.00000");
  EXPECT_EQ(high.value, 0x47000000u);
  EXPECT_TRUE(high.clamped);
  const FrequencyEntry low = CommitFrequencyEdit("399.9", kUhf);
  EXPECT_EQ(low.text, "400.00000");
  EXPECT_TRUE(low.clamped);
  const FrequencyEntry inside = CommitFrequencyEdit("446.00625", kUhf);
  EXPECT_EQ(inside.value, 0x44600625u);
  EXPECT_EQ(inside.stepCode, 3);
  EXPECT_FALSE(inside.clamped);
  // An unknown band checks nothing.
  EXPECT_FALSE(CommitFrequencyEdit("480", BandLimits{}).clamped);
}

TEST(CommitFrequencyEdit, EmptyIsNoneAndOffRasterGoesDownToTwelvePointFive) {
  const FrequencyEntry none = CommitFrequencyEdit("  ", kUhf);
  EXPECT_EQ(none.value, kNoFrequency);
  EXPECT_EQ(none.stepCode, kNoStepCode);
  EXPECT_EQ(none.text, "");
  EXPECT_FALSE(none.clamped);
  const FrequencyEntry offRaster = CommitFrequencyEdit("446.0071", kUhf);
  EXPECT_EQ(offRaster.text, "446.00000");
  EXPECT_EQ(offRaster.stepCode, 6);
}

TEST(ShowFrequencyEntry, PutsAStoredValueOnItsRaster) {
  EXPECT_EQ(ShowFrequencyEntry(kNoFrequency).text, "");
  const FrequencyEntry shown = ShowFrequencyEntry(0x44600710);
  EXPECT_EQ(shown.text, "446.00000");
  EXPECT_EQ(shown.value, 0x44600000u);
}

TEST(CommitFrequencyCell, ClampsSilentlyAndKeepsTheTwoPointFiveRaster) {
  EXPECT_EQ(CommitFrequencyCell("480", kUhf), "470.00000");
  EXPECT_EQ(CommitFrequencyCell("446.0071", kUhf), "446.00500");
  EXPECT_EQ(CommitFrequencyCell("446.0076", kUhf), "446.00750");  // 2.5 kHz, on no other raster
  EXPECT_EQ(CommitFrequencyCell("446.00625", kUhf), "446.00625");
  EXPECT_EQ(CommitFrequencyCell("", kUhf), "");
}

TEST(ToneEntries, ClampAndWriteTheListSpelling) {
  EXPECT_EQ(NormalizeCtcssText("20"), "40.0");
  EXPECT_EQ(NormalizeCtcssText("67"), "67.0");
  EXPECT_EQ(NormalizeCtcssText("400"), "300.0");
  EXPECT_EQ(NormalizeCdcssText("23"), "023");
  EXPECT_EQ(NormalizeCdcssText("754"), "754");
  EXPECT_FALSE(NormalizeCdcssText("028"));
  EXPECT_FALSE(NormalizeCdcssText("1234"));
  EXPECT_FALSE(NormalizeCdcssText(""));
}

TEST(CopyReceiveToTransmit, CopiesFrequencyToneWordAndStep) {
  ChannelRecord record;
  InitNewChannel(record, 0);
  record.setRxFrequency(0x44601250);
  record.setRxTone(0x73E8);  // CTCSS 100.0 Hz with bits 12 and 13
  record.setStepCodes(6, 3);
  CopyReceiveToTransmit(record);
  EXPECT_EQ(record.txFrequency(), 0x44601250u);
  EXPECT_EQ(record.txTone(), 0x73E8);
  EXPECT_EQ(record.txStepCode(), 6);
}

struct Links : ::testing::Test {
  Links() {
    data->resetToDefaults();
    data->personalities().appendNew();
  }
  ChannelItem& channel() { return data->channels()[0]; }
  Finding finding(std::string_view key) {
    return {RecordKind::Channel, 1, channel().key(), FindField(FieldArea::Channel, key)};
  }
  std::unique_ptr<RadioDataContainer> data = std::make_unique<RadioDataContainer>();
  InvalidLog log;
};

TEST_F(Links, ChoosingAPersonalityWritesTheNumberLinksAndWithdrawsTheFinding) {
  log.add("Personality", "Channel - 1: Options", finding("personality"));
  log.add("Scan List", "Channel - 1: Options", finding("scan_list"));
  ASSERT_TRUE(ChoosePersonality(channel(), 1, *data, &log));
  EXPECT_EQ(channel().record().personalityIndex(), 1);
  EXPECT_EQ(channel().personalityLink(), data->personalities().keyAt(1));
  EXPECT_EQ(log.size(), 1u);  // the scan list's entry stays
  EXPECT_FALSE(ChoosePersonality(channel(), 2, *data, &log));
  EXPECT_EQ(channel().record().personalityIndex(), 1);
}

TEST_F(Links, ChoosingNoScanListIsAllowedButNoMissingOne) {
  log.add("Scan List", "Channel - 1: Options", finding("scan_list"));
  ASSERT_TRUE(ChooseScanList(channel(), 0, *data, &log));
  EXPECT_EQ(channel().record().scanListNumber(), 0);
  EXPECT_EQ(channel().scanListLink(), 0);
  EXPECT_EQ(log.size(), 0u);
  EXPECT_FALSE(ChooseScanList(channel(), 2, *data, &log));
  ASSERT_TRUE(ChooseScanList(channel(), 1, *data, &log));
  EXPECT_EQ(channel().scanListLink(), data->scanLists().keyAt(0));
}

}  // namespace
