// The codeplug text: export then apply gives back every byte; a partial text
// over a base changes only what it names; every refused text says where and
// leaves the result alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>

#include "config/language_texts.h"
#include "core/channel_encoding.h"
#include "core/codeplug_reader.h"
#include "core/container.h"
#include "core/default_data.h"
#include "core/schema/schema_table.h"
#include "workflow/codeplug_text/codeplug_text.h"

namespace vex {
namespace {

class CodeplugText : public ::testing::Test {
 protected:
  static std::unique_ptr<CodeplugDocument> Sample() {
    auto document = std::make_unique<CodeplugDocument>();
    const auto path = std::filesystem::path(VEX_SOURCE_DIR) / "fuzz/corpus/codeplug_fuzz/whole.dat";
    EXPECT_EQ(LoadCodeplugDocument(path.string(), *document), DocumentLoad::Loaded);
    return document;
  }
  static std::unique_ptr<CodeplugDocument> Default(int low, int high) {
    auto data = std::make_unique<RadioDataContainer>();
    MakeDefaultData(*data, low, high);
    data->encode();
    auto document = std::make_unique<CodeplugDocument>();
    document->header = BuildSaveHeader({"VEXM1", "Vex M1", std::to_string(low) + "-" + std::to_string(high), 0, "1.03.11"});
    document->comment = "bench radios\nshelf 2";
    document->image = data->image();
    return document;
  }

  void ExpectRoundTrip(const CodeplugDocument& original) {
    const std::string text = ExportCodeplugText(original, english_);
    auto back = std::make_unique<CodeplugDocument>();
    const auto errors = ApplyCodeplugText(text, nullptr, english_, *back);
    ASSERT_TRUE(errors.empty()) << TextErrorLine(errors.front()) << "\n" << text;
    EXPECT_EQ(back->header.bytes(), original.header.bytes());
    EXPECT_EQ(back->comment, original.comment);
    const auto [differs, _] = std::mismatch(original.image.begin(), original.image.end(), back->image.begin());
    ASSERT_TRUE(differs == original.image.end())
        << "image byte " << (differs - original.image.begin()) << "\n" << text;
  }

  std::unique_ptr<CodeplugDocument> Apply(const std::string& text, const CodeplugDocument& base,
                                          std::vector<TextError>* errors = nullptr) {
    auto result = std::make_unique<CodeplugDocument>();
    const auto found = ApplyCodeplugText(text, &base, english_, *result);
    if (errors) *errors = found;
    else EXPECT_TRUE(found.empty()) << TextErrorLine(found.front());
    return result;
  }

  LanguageTexts english_{std::filesystem::path(VEX_DATA_DIR) / "VEX_E.lng"};
};

TEST_F(CodeplugText, ExportThenApplyGivesBackEveryByte) {
  ExpectRoundTrip(*Sample());
  for (const auto& [low, high] : {std::pair{136, 174}, {400, 470}, {446, 446}}) ExpectRoundTrip(*Default(low, high));
}

// The corpus's three kinds of image: random bytes, half erased, and the
// sample with a few random bytes; random headers with them.
TEST_F(CodeplugText, ExportThenApplyGivesBackRandomImages) {
  std::mt19937 random(28);
  const auto base = Sample();
  for (int k = 0; k < 200; ++k) {
    auto document = std::make_unique<CodeplugDocument>(*base);
    if (k % 3 == 2) {
      for (std::uint32_t n = random() % 200 + 1; n > 0; --n) document->image[random() % 8192] = random() & 0xFF;
    } else {
      for (auto& byte : document->image) byte = (k % 3 == 1 && random() % 2 == 0) ? 0xFF : random() & 0xFF;
      for (auto& byte : document->header.bytes()) byte = random() & 0xFF;
      document->comment = {static_cast<char>(random() & 0xFF), 'x'};
    }
    ExpectRoundTrip(*document);
    if (HasFatalFailure()) return;
  }
}

TEST_F(CodeplugText, APartialTextChangesOnlyWhatItNames) {
  const auto base = Sample();
  auto data = std::make_unique<RadioDataContainer>();
  data->image() = base->image;
  data->decode();
  const std::size_t channels = data->channels().size();

  // One setting: one byte of the image changes.
  const auto misc = Apply("settings:\n  misc:\n    battery_save: false\n", *base);
  std::size_t changed = 0;
  for (std::size_t i = 0; i < 8192; ++i) changed += misc->image[i] != base->image[i];
  EXPECT_LE(changed, 1u);
  EXPECT_EQ(misc->header.bytes(), base->header.bytes());

  // A channel list replaces the list; the first keeps the rest of its bytes.
  const auto list = Apply("channels:\n  - rx_frequency: 446.09375\n    tx_frequency: 446.09375\n", *base);
  auto after = std::make_unique<RadioDataContainer>();
  after->image() = list->image;
  after->decode();
  ASSERT_EQ(after->channels().size(), 1u);
  EXPECT_EQ(after->channels()[0].record().rxTone(), data->channels()[0].record().rxTone());
  EXPECT_EQ(DecodeFrequency(after->channels()[0].record().rxFrequency()), "446.09375");
  EXPECT_GT(channels, 1u);
  const std::size_t channelsEnd = layout::kChannelArea.offsetOf(1);
  for (std::size_t i = channelsEnd; i < 8192; ++i) {
    if (i >= layout::kChannels.first && i < layout::kChannels.end()) continue;
    if (i >= layout::kScanLists.first && i < layout::kScanLists.end()) continue;  // members past channel 1
    ASSERT_EQ(list->image[i], base->image[i]) << "byte " << i;
  }
}

TEST_F(CodeplugText, EveryRefusalSaysWhereAndWritesNothing) {
  struct Case {
    const char* text;
    int line, column;
    const char* field;
  };
  const Case cases[] = {
      {"settings:\n  misc:\n    vox_gain: 3\n", 3, 5, "settings.misc.vox_gain"},
      {"settings:\n  misc:\n    vox_gain_level: 12\n", 3, 21, "settings.misc.vox_gain_level"},
      {"channels:\n  - rx_frequency: 500.0\n", 2, 19, "channels[1].rx_frequency"},
      {"channels:\n  - personality: 9\n", 2, 18, "channels[1].personality"},
      {"channels:\n  - tx_tone: D029N\n", 2, 14, "channels[1].tx_tone"},
      {"scan_lists:\n  - member_1: 40\n", 2, 15, "scan_lists[1].member_1"},
      {"channels: [{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}]\n", 1, 11, "channels"},
      {"file:\n  range: 446\n", 2, 10, "file.range"},
      {"colour: red\n", 1, 1, "colour"},
      {"settings: {misc: [1, 2\n", 2, 1, ""},
  };
  const auto base = Sample();
  for (const Case& c : cases) {
    std::vector<TextError> errors;
    auto result = Apply(c.text, *base, &errors);
    ASSERT_FALSE(errors.empty()) << c.text;
    EXPECT_EQ(errors[0].line, c.line) << c.text << TextErrorLine(errors[0]);
    EXPECT_EQ(errors[0].column, c.column) << c.text << TextErrorLine(errors[0]);
    EXPECT_EQ(errors[0].field, c.field) << c.text;
    EXPECT_FALSE(errors[0].message.empty());
    EXPECT_EQ(result->image, Image{}) << "the result was written: " << c.text;
  }
}

TEST_F(CodeplugText, TheTextAloneNeedsEveryListAndTheModel) {
  auto result = std::make_unique<CodeplugDocument>();
  const auto errors = ApplyCodeplugText("settings:\n  misc: {}\n", nullptr, english_, *result);
  ASSERT_EQ(errors.size(), 5u);
  EXPECT_EQ(errors[0].field, "file.model_id");
  EXPECT_EQ(errors[1].field, "channels");
}

}  // namespace
}  // namespace vex
