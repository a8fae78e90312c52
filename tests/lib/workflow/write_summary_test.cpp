#include "workflow/write_summary.h"

#include <gtest/gtest.h>

#include <map>

#include "base/text_ids.h"

namespace {

using namespace vex;

const std::map<int, std::string> kTexts = {
    {text::kMsgWriteModel, "Model: %s"},
    {text::kMsgWriteBand, "Band: %s MHz"},
    {text::kMsgWritePort, "Over %s"},
    {text::kMsgWriteOriginFile, "Data: file %s"},
    {text::kMsgWriteOriginRadio, "Data: read at %s"},
    {text::kMsgWriteOriginDefaults, "Data: defaults"},
    {text::kMsgReadStatus, "Read: %s"},
    {text::kMsgReadPort, "Read over %s"},
    {text::kMsgChannelCount, "%d channels"},
};

std::string lookUp(int id) {
  const auto found = kTexts.find(id);
  return found == kTexts.end() ? std::string() : found->second;
}

TEST(WriteSummary, NamesModelBandPortAndEachOrigin) {
  WriteFacts facts{"Vex M1", "446-446", "Port 3", {}};
  EXPECT_EQ(WriteSummary(facts, lookUp), "Model: Vex M1\nBand: 446-446 MHz\nOver Port 3\nData: defaults");
  EXPECT_TRUE(WriteNeedsConfirmation(facts.origin));

  facts.origin = {DataOrigin::Source::File, "/home/u/radio %d.dat", {}};  // a path is never a format
  EXPECT_TRUE(WriteSummary(facts, lookUp).ends_with("\nData: file /home/u/radio %d.dat"));
  EXPECT_FALSE(WriteNeedsConfirmation(facts.origin));

  facts.origin = {DataOrigin::Source::Radio, {}, "2026-12-08 21:40"};
  EXPECT_TRUE(WriteSummary(facts, lookUp).ends_with("\nData: read at 2026-12-08 21:40"));
  EXPECT_FALSE(WriteNeedsConfirmation(facts.origin));
}

TEST(WriteSummary, ReadSummaryAndStatusLine) {
  EXPECT_EQ(ReadSummary("Vex M1", "446-446", "/dev/ttyUSB0 %s", lookUp),
            "Model: Vex M1\nBand: 446-446 MHz\nRead over /dev/ttyUSB0 %s");
  EXPECT_EQ(ReadStatusLine("Vex M1", "Port 3", 16, lookUp), "Read: Vex M1, Port 3, 16 channels");
}

}  // namespace
