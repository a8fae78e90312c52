#include "workflow/field_text.h"

#include <gtest/gtest.h>

#include <fstream>

#include "../core/codeplug_test_support.h"
#include "config/language_texts.h"

namespace vex {
namespace {

class FieldTexts : public ::testing::Test {
 protected:
  FieldTexts() {
    std::ofstream(dir.file("L.lng")) << "[Setting]\n"
                                        "S0201406=0.Off;3.Level 3;5.Level 5\n"
                                        "S0203661=0.Wide;1.Narrow\n"
                                        "S0205018=1:1:9:1:0:1:0\n"
                                        "S0205004=100:10:2550:1:10:1:0\n"
                                        "S0101174=Off\n";
  }
  const FieldDef& field(FieldArea area, std::string_view key) { return *FindField(area, key); }
  test::ScratchDir dir;
  LanguageTexts texts{dir.file("L.lng")};
};

TEST_F(FieldTexts, ListFieldsGoByValueOrByPosition) {
  const FieldDef& gain = field(FieldArea::Misc, "vox_gain_level");
  EXPECT_EQ(FieldOptionText(gain, 3, texts), "Level 3");
  EXPECT_EQ(FieldOptionText(gain, 4, texts), std::nullopt);
  EXPECT_EQ(FieldOptionValue(gain, "Level 5", texts), 5);
  EXPECT_EQ(FieldOptionValue(gain, "Level 4", texts), -1);
  const FieldDef& spacing = field(FieldArea::Channel, "spacing");
  EXPECT_EQ(FieldOptionText(spacing, 1, texts), "Narrow");
  EXPECT_EQ(FieldOptionText(spacing, 2, texts), std::nullopt);
  EXPECT_EQ(FieldOptionValue(spacing, "Narrow", texts), 1);
}

TEST_F(FieldTexts, RangeFieldsCorrectTheTextAndKeepOffAsRawZero) {
  const FieldDef& pause = field(FieldArea::AlertTone, "beep_segments");
  EXPECT_EQ(FieldOptionText(pause, 3, texts), "4");
  EXPECT_EQ(FieldOptionValue(pause, "99", texts), 8);  // clamped to 9
  const FieldDef& tone = field(FieldArea::AlertTone, "tone1_hz");
  EXPECT_EQ(FieldOptionText(tone, 0, texts), "Off");
  EXPECT_EQ(FieldOptionValue(tone, "Off", texts), 0);
  EXPECT_EQ(FieldOptionValue(tone, "1000", texts), 100);
}

TEST_F(FieldTexts, FieldsWithoutOptionsHaveNoOptionText) {
  EXPECT_FALSE(UsesOptionList(field(FieldArea::Misc, "battery_save")));
  EXPECT_EQ(FieldOptionText(field(FieldArea::Channel, "rx_frequency"), 1, texts), std::nullopt);
  EXPECT_EQ(FieldOptionValue(field(FieldArea::Misc, "battery_save"), "1", texts), -1);
}

}  // namespace
}  // namespace vex
