// An alert tone whose first duration is the largest the shipped lists offer
// survives encoding and decoding: 2550 ms used to be stored as the record
// marker 0xFF, dropping that tone and every later one.
#include "config/language_texts.h"
#include "config/range_edit.h"
#include "core/container.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"

#include <gtest/gtest.h>

#include <memory>

namespace vex {
namespace {

TEST(AlertToneLimit, TheLargestOfferedFirstDurationSurvivesOpen) {
  const FieldDef& duration = SchemaField(FieldArea::AlertTone, "tone1_ms");
  for (const char* file : {"VEX_E.lng", "VEX_S.lng"}) {
    const LanguageTexts texts(std::string(VEX_DATA_DIR) + "/" + file);
    const std::optional<RangeRule> rule = texts.optionList(duration.list).rangeRule();
    ASSERT_TRUE(rule.has_value()) << file;
    // What the edit stores when the user types far more than allowed.
    const long largest = CommitRangeEdit(*rule, "99999").raw;

    auto data = std::make_unique<RadioDataContainer>();
    data->resetToDefaults();
    data->alertTones().appendNew();
    WriteField(duration, data->alertTones()[0].record().span(), largest);
    data->encode();
    auto opened = std::make_unique<RadioDataContainer>();
    opened->image() = data->image();
    opened->decode();
    ASSERT_EQ(opened->alertTones().size(), 2u) << file << " first duration raw " << largest;
    EXPECT_EQ(ReadField(duration, opened->alertTones()[0].record().span()), largest) << file;
  }
}

}  // namespace
}  // namespace vex
