// The tuning list from the language data, and what the Factory Mode dialog
// takes from and gives to the settings.
#include "config/app_settings.h"
#include "config/range_table.h"
#include "core/container.h"
#include "workflow/codeplug_settings_host.h"
#include "workflow/factory_settings.h"
#include "workflow/tune_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <utility>

namespace vex {
namespace {

TEST(TuneList, ItemsTakeTheirFlagsByCode) {
  const auto items = BuildTuneList("32768.Reference Oscillator;32784.TX Power High;33536.Squelch Open",
                                   " 33536,64543;32768,1;junk;32768,2;70000,1;1,;");
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0], (TuneItem{0x8000, 1, "Reference Oscillator"}));  // the first pair of a code counts
  EXPECT_EQ(items[1].flags, 0);                                        // no pair: nothing to tune
  EXPECT_EQ(items[2].flags, 64543);
}

TEST(TuneList, NoPairsGiveAnEmptyList) {
  EXPECT_TRUE(BuildTuneList("32768.Reference Oscillator", "").empty());
  EXPECT_TRUE(BuildTuneList("32768.Reference Oscillator", "x;y,z").empty());
  EXPECT_TRUE(BuildTuneList("", "32768,1").empty());
}

class FactorySettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("vexfactory-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(FactorySettingsTest, VolumesComeFromTheBandsKeysOfVolumeIni) {
  AppSettings settings(dir_, {});
  FactoryModel model;
  ApplyVolumes(model, settings);  // no volume.ini
  EXPECT_EQ(model.wideVolume(), 255);
  EXPECT_EQ(model.narrowVolume(), 255);

  std::ofstream(dir_ / "volume.ini") << "[Setting]\nuwide=10\nunarrow=11\nvwide=20\nvnarrow=21\n";
  ApplyVolumes(model, settings);
  EXPECT_EQ(model.wideVolume(), 10);
  EXPECT_EQ(model.narrowVolume(), 11);
  model.setVhf(true);
  ApplyVolumes(model, settings);
  EXPECT_EQ(model.wideVolume(), 20);
  EXPECT_EQ(model.narrowVolume(), 21);
}

TEST_F(FactorySettingsTest, LeavingTheDialogAppliesWhatChanged) {
  AppSettings settings(dir_, {});
  settings.setModelName("Old");
  settings.setFreqRange("400-470");
  settings.setSignal(0);
  RadioDataContainer container;
  FactoryModel before = FactoryModel::FromContainer(container);
  FactoryModel after = before;
  after.setModelName("New");
  after.setOption(FactoryModel::kSignalling, 2);
  FactoryChanges changes = ApplyFactoryModel(before, after, settings, container);
  EXPECT_TRUE(changes.modelName);
  EXPECT_FALSE(changes.range);
  EXPECT_TRUE(changes.signalling);
  EXPECT_EQ(settings.modelName(), "New");
  EXPECT_EQ(settings.freqRange(), "400-470");
  EXPECT_EQ(settings.signal(), 2);
  EXPECT_EQ(container.radioInfo().modelName(), "New");

  before = after;
  after.setEdges(136, 174);
  changes = ApplyFactoryModel(before, after, settings, container);
  EXPECT_TRUE(changes.range);
  EXPECT_FALSE(changes.modelName);
  EXPECT_EQ(settings.freqRange(), "136-174");

  // A radio with erased or crossed edges names no range: the one in use stays.
  for (const auto& [lower, upper] : {std::pair{0, 0}, std::pair{0, 470}, std::pair{470, 400}}) {
    before = after;
    after.setEdges(lower, upper);
    EXPECT_FALSE(ApplyFactoryModel(before, after, settings, container).range) << lower << "-" << upper;
    EXPECT_EQ(settings.freqRange(), "136-174");
  }
}

TEST_F(FactorySettingsTest, DefaultTestFrequenciesFollowTheCurrentRange) {
  AppSettings settings(dir_, {});
  settings.setFreqRange("400-470");
  RadioDataContainer container;
  InvalidLog log;
  RangeTable ranges;
  SettingsCodeplugHost host(container, log, settings, ranges);
  host.resetToDefaults();
  EXPECT_EQ(container.testFreq().text(TestFreqSection::Group::FivePointTx, 4), "470.00000");
  settings.setFreqRange("junk");  // a range that does not read keeps the band
  host.resetToDefaults();
  EXPECT_EQ(container.testFreq().text(TestFreqSection::Group::FivePointTx, 4), "470.00000");
}

}  // namespace
}  // namespace vex
