#include "config/app_settings.h"
#include "config/model_catalogue.h"
#include "config/profile_file.h"
#include "config/radio_band.h"
#include "config/radio_compatibility.h"
#include "config/range_table.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using vex::AppSettings;
using vex::CompatibilityResult;
using vex::DataPaths;
using vex::kFallbackRange;
using vex::ModelCatalogue;
using vex::RadioCheckInput;
using vex::RangeEntry;
using vex::RangeTable;
using vex::test::ReadFileBytes;
using vex::test::TempDir;

constexpr const char* kCatalogue =
    "[Setting]\n"
    "ModelID=X5,X6\n"
    "X5=Alpha 5,Alpha 5 Plus\n"
    "X6=Alpha 6,Alpha 5\n"
    "[X5]\n"
    "Number=3\n"
    "Freq0=400, 470, 400, 470, 0\n"
    "Freq1=136, 174, 136, 174, 129\n"
    "Freq2=400, 470, 400, 470, 255\n"
    "[X6]\n"
    "Number=2\n"
    "Freq0=446, 446, 446, 446, 3\n";

class CatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data.write("Model.dat", kCatalogue);
    data.write("VEX_E.lng", "[Setting]\nLanguageList=English\nS0300610=X5\n");
    data.write("Settings.ini", "[Setting]\nModelID=X5\nModelName=Alpha 5\nFreqRange=400-470\n");
    settings = std::make_unique<AppSettings>(DataPaths(data.path(), config.path()));
    settings->selectLanguage(0);
    table.loadForCurrentModel(*settings);
  }
  ModelCatalogue catalogue(const char* model) { return ModelCatalogue(data / "Model.dat", model); }

  TempDir data;
  TempDir config;
  std::unique_ptr<AppSettings> settings;
  RangeTable table;
};

TEST_F(CatalogueTest, LoadsTheRangesOfTheCurrentModel) {
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(table.entries()[1], (RangeEntry{136, 174, 136, 174, 129}));
  EXPECT_TRUE(table.contains(136, 174));
  EXPECT_FALSE(table.contains(136, 470));
}

TEST_F(CatalogueTest, MissingRangeKeyEndsTheTableWithTheFallback) {
  table.load(catalogue("X6"));  // Number 2, only Freq0
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table.entries()[0], (RangeEntry{446, 446, 446, 446, 3}));
  EXPECT_EQ(table.entries()[1], kFallbackRange);

  table.load(catalogue("X9"));  // no section at all
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table.entries()[0], kFallbackRange);

  table.load(ModelCatalogue(data / "absent.dat", "X5"));
  EXPECT_EQ(table.entries(), std::vector<RangeEntry>{kFallbackRange});
}

TEST_F(CatalogueTest, FlagQueriesUseTheFirstEntryWithTheseEdges) {
  EXPECT_EQ(table.flags("400-470"), 0);
  EXPECT_FALSE(table.highFlag("400-470"));
  EXPECT_TRUE(table.highFlag("136-174"));
  EXPECT_EQ(table.lowFlags("136-174"), 1);
  EXPECT_EQ(table.flags("136-174"), 129);
  EXPECT_EQ(table.flags("136-175"), 0);
  EXPECT_EQ(table.flags("garbage"), 0);
  EXPECT_TRUE(RangeTable::isPmr446("446-446"));
  EXPECT_FALSE(RangeTable::isPmr446("400-470"));
  EXPECT_FALSE(RangeTable::isPmr446(""));
}

TEST_F(CatalogueTest, ModelNamesResolveToTheFirstListedModelId) {
  EXPECT_EQ(vex::ModelIdOfName(*settings, "Alpha 5"), "X5");
  EXPECT_EQ(vex::ModelIdOfName(*settings, "Alpha 6"), "X6");
  EXPECT_EQ(vex::ModelIdOfName(*settings, "alpha 5"), "");
  EXPECT_EQ(vex::ModelIdOfName(*settings, ""), "");
  EXPECT_EQ(vex::AllModelNames(*settings), (std::vector<std::string>{"Alpha 5", "Alpha 5 Plus", "Alpha 6", "Alpha 5"}));
}

TEST(RangeText, ScansLowerDashUpper) {
  EXPECT_EQ(vex::ParseRangeText("400-470").lower, 400);
  EXPECT_EQ(vex::ParseRangeText("400-470").upper, 470);
  EXPECT_EQ(vex::ParseRangeText("400").upper, 0);
  EXPECT_EQ(vex::ParseRangeText("400 -470").upper, 0);
  EXPECT_EQ(vex::ParseRangeText("abc").lower, 0);
  EXPECT_EQ(vex::RangeText(136, 174), "136-174");
}

TEST(RadioBand, DecodesBcdEdgesInWholeMegahertz) {
  const uint8_t pmr[9] = {0x81, 0x44, 0x60, 0x00, 0x00, 0x44, 0x61, 0x99, 0x99};
  EXPECT_EQ(vex::BandFromRadio(pmr), (RangeEntry{446, 446, 446, 446, 0x81}));
  const uint8_t vhf[9] = {0, 0x13, 0x60, 0x00, 0x00, 0x17, 0x40, 0x00, 0x00};
  EXPECT_EQ(vex::BandFromRadio(vhf).lower, 136);
  EXPECT_EQ(vex::BandFromRadio(vhf).upper, 174);
  const uint8_t none[9] = {0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(vex::BandFromRadio(none).lower, 0);
  EXPECT_EQ(vex::BandFromRadio(none).upper, 0);
}

TEST_F(CatalogueTest, NoToANewRangeLeavesTheCatalogueAlone) {
  int asked = 0;
  const auto ask = [&](int lo, int hi) {
    ++asked;
    EXPECT_EQ(lo, 350);
    EXPECT_EQ(hi, 390);
    return false;
  };
  EXPECT_EQ(vex::OfferNewRange(*settings, table, RangeEntry{350, 390, 350, 0, 0}, ask), 1);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(ReadFileBytes(data / "Model.dat"), kCatalogue);
  EXPECT_EQ(settings->lastNewRangeAnswer(), AppSettings::kAnswerNo);
  EXPECT_EQ(table.size(), 3u);
}

TEST_F(CatalogueTest, KnownRangeIsNotOffered) {
  const auto ask = [](int, int) -> bool {
    ADD_FAILURE() << "asked";
    return true;
  };
  EXPECT_EQ(vex::OfferNewRange(*settings, table, RangeEntry{136, 174, 0, 0, 0}, ask), 0);
}

TEST_F(CatalogueTest, YesAppendsTheRangeAndReloads) {
  const auto yes = [](int, int) { return true; };
  EXPECT_EQ(vex::OfferNewRange(*settings, table, RangeEntry{350, 390, 350, 0, 128}, yes), 2);
  EXPECT_EQ(settings->lastNewRangeAnswer(), AppSettings::kAnswerYes);
  const auto x5 = catalogue("X5");
  EXPECT_EQ(x5.number(), 4);
  EXPECT_EQ(vex::ReadProfileString(data / "Model.dat", "X5", "Freq3", "", 100), "350, 390, 350, 390, 128");
  ASSERT_EQ(table.size(), 4u);
  EXPECT_TRUE(table.contains(350, 390));
}

TEST_F(CatalogueTest, YesWithTooLargeNumberFillsTheFirstMissingKey) {
  settings->setModelId("X6");
  table.loadForCurrentModel(*settings);
  EXPECT_EQ(vex::OfferNewRange(*settings, table, RangeEntry{350, 390, 0, 0, 0}, [](int, int) { return true; }), 2);
  EXPECT_EQ(vex::ReadProfileString(data / "Model.dat", "X6", "Freq1", "", 100), "350, 390, 350, 390, 0");
  EXPECT_EQ(catalogue("X6").number(), 2);
  EXPECT_TRUE(table.contains(350, 390));
  EXPECT_FALSE(table.contains(136, 174));  // the fallback has made way
}

TEST_F(CatalogueTest, RangeAddedToAReadOnlyCatalogueGoesToTheUserCopy) {
  AppSettings readOnly(DataPaths(data.path(), config / "user", DataPaths::Access::ReadOnly));
  readOnly.setModelId("X5");
  EXPECT_EQ(vex::OfferNewRange(readOnly, table, RangeEntry{350, 390, 0, 0, 0}, [](int, int) { return true; }), 2);
  EXPECT_EQ(ReadFileBytes(data / "Model.dat"), kCatalogue);
  EXPECT_EQ(vex::ReadProfileString(config / "user/Model.dat", "X5", "Freq3", "", 100), "350, 390, 350, 390, 0");
  EXPECT_TRUE(table.contains(350, 390));
}

TEST_F(CatalogueTest, YesWhenTheCatalogueCannotBeWrittenIsAFailure) {
  std::filesystem::remove(data / "Model.dat");
  std::filesystem::create_directory(data / "Model.dat");
  table.loadForCurrentModel(*settings);
  EXPECT_EQ(vex::OfferNewRange(*settings, table, RangeEntry{350, 390, 0, 0, 0}, [](int, int) { return true; }),
            vex::kRangeNotWritten);
  EXPECT_FALSE(table.contains(350, 390));
}

// A radio's model ID names the section written: one with a line break or a
// bracket must not break Model.dat apart.
TEST_F(CatalogueTest, AModelIdThatNoSectionCanCarryLeavesTheCatalogueAlone) {
  settings->setModelId("X5]\n[X6");
  EXPECT_EQ(vex::OfferNewRange(*settings, table, RangeEntry{350, 390, 0, 0, 0}, [](int, int) { return true; }),
            vex::kRangeNotWritten);
  EXPECT_EQ(ReadFileBytes(data / "Model.dat"), kCatalogue);
}

TEST_F(CatalogueTest, NewRangeQuestionFollowsTheLanguage) {
  EXPECT_EQ(vex::NewRangeQuestion(0, 350, 390), "Find a new Frequency Range: 350-390 MHz,do you want to add?");
  EXPECT_EQ(vex::NewRangeQuestion(1, 350, 390), "发现一个新频段：350-390 MHz, 是否添加？");
}

RadioCheckInput Radio(const char* id, const char* name, int versionOrder = 0) {
  return RadioCheckInput{id, name, versionOrder, {0x80, 0x40, 0x00, 0x00, 0x00, 0x47, 0x00, 0x00, 0x00}};
}

TEST_F(CatalogueTest, WritingNeedsTheCurrentModelIdAndName) {
  RangeEntry band;
  auto result = vex::CheckRadioCompatibility(*settings, table, vex::kDirectionWrite, Radio("X5", "Alpha 6"), band);
  EXPECT_EQ(result.result, CompatibilityResult::kMismatch);
  EXPECT_EQ(result.messageId, 1172);
  result = vex::CheckRadioCompatibility(*settings, table, vex::kDirectionWrite, Radio("X5", "Alpha 5"), band);
  EXPECT_EQ(result.result, 0);
  EXPECT_EQ(result.messageId, 0);
  EXPECT_EQ(band, (RangeEntry{400, 470, 400, 470, 0x80}));
}

TEST_F(CatalogueTest, ReadingNeedsASupportedModelAndMatchingName) {
  RangeEntry band;
  EXPECT_EQ(vex::CheckRadioCompatibility(*settings, table, vex::kDirectionRead, Radio("X6", "Alpha 6"), band).messageId,
            1172);
  EXPECT_EQ(
      vex::CheckRadioCompatibility(*settings, table, vex::kDirectionRead, Radio("X5", "Alpha 5 Plus"), band).messageId,
      1172);
  EXPECT_EQ(band, RangeEntry{});  // untouched on refusal
}

TEST_F(CatalogueTest, TooNewFirmwareIsRefusedAfterTheModelCheck) {
  RangeEntry band;
  const auto result =
      vex::CheckRadioCompatibility(*settings, table, vex::kDirectionRead, Radio("X5", "Alpha 5", 1), band);
  EXPECT_EQ(result.result, CompatibilityResult::kTooNew);
  EXPECT_EQ(result.messageId, 1140);
}

TEST_F(CatalogueTest, ReadingReloadsTheRadiosRangesAndAdoptsAnUnknownModel) {
  // Another model ID that the language file supports, with one range.
  data.write("VEX_E.lng", "[Setting]\nLanguageList=English\nS0300610=X7\n");
  data.write("Model.dat", std::string(kCatalogue) + "[X7]\nNumber=1\nFreq0=300, 350, 300, 350, 1\n");
  RangeEntry band;
  const auto result = vex::CheckRadioCompatibility(*settings, table, vex::kDirectionRead, Radio("X7", "Gamma"), band);
  EXPECT_EQ(result.result, 0);
  EXPECT_EQ(table.entries(), (std::vector<RangeEntry>{{300, 350, 300, 350, 1}}));
  EXPECT_EQ(settings->modelId(), "X7");  // "Gamma" is listed under no model ID
  EXPECT_EQ(band.lower, 400);
}

TEST_F(CatalogueTest, ReadingKeepsTheTableWhenTheRadiosModelListsNoRanges) {
  data.write("VEX_E.lng", "[Setting]\nLanguageList=English\nS0300610=X8\n");
  RangeEntry band;
  // "Alpha 6" is a known name: the current model ID stays.
  EXPECT_EQ(vex::CheckRadioCompatibility(*settings, table, vex::kDirectionRead, Radio("X8", "Alpha 6"), band).result,
            0);
  EXPECT_EQ(table.size(), 3u);
  EXPECT_EQ(settings->modelId(), "X5");
}

// A band item that went unanswered leaves zeros; edges of FF read as 0 too.
TEST_F(CatalogueTest, ARadioWithoutABandIsRefusedBeforeAnythingChanges) {
  data.write("VEX_E.lng", "[Setting]\nLanguageList=English\nS0300610=X7\n");
  const std::array<std::uint8_t, 9> unanswered{};
  const std::array<std::uint8_t, 9> erased{0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  for (const auto& block : {unanswered, erased}) {
    for (const int direction : {vex::kDirectionRead, vex::kDirectionWrite}) {
      RadioCheckInput radio = Radio(direction == vex::kDirectionRead ? "X7" : "X5", "Alpha 5");
      radio.band = block;
      RangeEntry band;
      const auto result = vex::CheckRadioCompatibility(*settings, table, direction, radio, band);
      EXPECT_EQ(result.result, CompatibilityResult::kBandUnknown);
      EXPECT_EQ(result.messageId, vex::text::kMsgIdentityFailed);
      EXPECT_EQ(band, RangeEntry{});
      EXPECT_EQ(settings->modelId(), "X5");
      EXPECT_EQ(table.size(), 3u);
    }
  }
}

TEST_F(CatalogueTest, FreqRangeAtExitAfterDecliningTheRadiosRange) {
  settings->replaceFreqRange("350-390");
  vex::OfferNewRange(*settings, table, RangeEntry{350, 390, 0, 0, 0}, [](int, int) { return false; });
  settings.reset();
  EXPECT_EQ(vex::ReadProfileString(data / "Settings.ini", "Setting", "FreqRange", "", 100), "400-470");
}

}  // namespace
