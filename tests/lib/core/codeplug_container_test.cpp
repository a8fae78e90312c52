// The file flows over a real container: what a Save writes, an Open brings
// back, and a failed Open leaves alone.
#include "codeplug_test_support.h"

#include "core/channel_encoding.h"
#include "core/codeplug_container_host.h"
#include "core/codeplug_flows.h"
#include "core/codeplug_reader.h"
#include "core/default_data.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

using test::ScratchDir;

class LocalHost : public ContainerCodeplugHost {
 public:
  LocalHost(RadioDataContainer& data, InvalidLog& log, std::string dir)
      : ContainerCodeplugHost(data, log, {}), dir_(std::move(dir)) {}
  ModelState modelState() const override { return state; }
  void setModelState(const ModelState& s) override { state = s; }
  bool isModelSupported(const std::string& id) const override { return id == "VEXM1"; }
  std::uint8_t currentRangeFlags() const override { return 0; }
  bool loadRangeTable() override { return true; }
  std::string dataDirectory() const override { return dir_; }

  ModelState state{"VEXM1", "Vex M1", "400-470", 0, "1.03.11"};

 private:
  std::string dir_;
};

std::vector<std::uint32_t> RxFrequencies(const RadioDataContainer& data) {
  std::vector<std::uint32_t> out;
  for (const auto& item : data.channels()) out.push_back(item->record().rxFrequency());
  return out;
}

class CodeplugContainer : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeDefaultData(data, 400, 470);
    data.encode();
  }
  ScratchDir dir;
  RadioDataContainer data;
  InvalidLog log;
  LocalHost host{data, log, dir.path().string()};
  CodeplugSession session{host};
};

TEST_F(CodeplugContainer, DefaultDataKeepsEveryChannelInsideItsRange) {
  for (auto [low, high] : {std::pair{400, 470}, std::pair{136, 174}}) {
    RadioDataContainer d;
    MakeDefaultData(d, low, high);
    ASSERT_EQ(d.channels().size(), 16u);
    for (const auto& item : d.channels()) {
      const double mhz = std::stod(DecodeFrequency(item->record().rxFrequency()));
      EXPECT_GE(mhz, low);
      EXPECT_LE(mhz, high);
      EXPECT_EQ(item->record().txFrequency(), item->record().rxFrequency());
    }
  }
  RadioDataContainer pmr;
  MakeDefaultData(pmr, 446, 446);
  EXPECT_EQ(DecodeFrequency(pmr.channels()[0].record().rxFrequency()), "446.00625");
  EXPECT_EQ(DecodeFrequency(pmr.channels()[15].record().rxFrequency()), "446.09375");
}

TEST_F(CodeplugContainer, SaveAndOpenBringBackTheSameData) {
  data.channels()[2].record().setRxFrequency(0x43512500);
  data.channels()[3].record().bytes[SchemaField(FieldArea::Channel, "atis").offset] = 0x80;
  const auto before = RxFrequencies(data);
  const std::string path = dir.file("a.dat");
  ASSERT_TRUE(session.saveTo(path, "c").ok());
  const auto savedImage = data.image();

  MakeDefaultData(data, 446, 446);
  ASSERT_TRUE(session.open(path).ok());
  EXPECT_EQ(RxFrequencies(data), before);
  data.encode();
  EXPECT_EQ(data.image(), savedImage);
}

TEST_F(CodeplugContainer, AFailedOpenLeavesTheContainerAlone) {
  const auto frequencies = RxFrequencies(data);
  const auto image = data.image();
  const ModelState state = host.state;
  test::FileBuilder().standard(test::SampleHeader(), {}).writeTo(dir.file("bad.dat"));
  EXPECT_FALSE(session.open(dir.file("bad.dat")).ok());
  EXPECT_EQ(RxFrequencies(data), frequencies);
  EXPECT_EQ(data.image(), image);
  EXPECT_EQ(host.state, state);
}

TEST_F(CodeplugContainer, ValidationFindingsStopASave) {
  data.channels()[0].record().setPersonalityIndex(7);  // no such personality
  data.resolveLinks();
  const FlowOutcome outcome = session.saveTo(dir.file("a.dat"), "");
  EXPECT_EQ(outcome.messageId, text::kMsgDataInvalid);
  EXPECT_GT(log.size(), 0u);
  EXPECT_FALSE(std::filesystem::exists(dir.file("a.dat")));
}

TEST_F(CodeplugContainer, NewLoadsTheDefaultFileOfModelAndRange) {
  const std::string path = session.defaultDataPath();
  EXPECT_EQ(std::filesystem::path(path).filename(), "VEXM1400-470DefaultSet.dat");
  ASSERT_TRUE(session.saveTo(path, "").ok());
  const auto frequencies = RxFrequencies(data);
  MakeDefaultData(data, 446, 446);
  session.setStampSource([] { return MakeTimeStamp(2026, 12, 8, 13, 5, 9); });
  ASSERT_TRUE(session.newDocument().ok());
  EXPECT_EQ(RxFrequencies(data), frequencies);
  EXPECT_EQ(data.radioInfo().bytes()[SchemaField(FieldArea::RadioInfo, "last_programmed").offset + 6], 20);
  EXPECT_EQ(data.radioInfo().bytes()[SchemaField(FieldArea::RadioInfo, "last_programmed").offset + 5], 26);
  EXPECT_EQ(session.fileName(), "");
}

}  // namespace
}  // namespace vex
