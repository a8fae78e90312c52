// A stored alert tone reads as the sound its view shows, through the shipped
// language's range rules.
#include "workflow/alert_tone_sound.h"

#include <gtest/gtest.h>

#include "config/language_texts.h"
#include "core/record_items.h"

namespace vex {
namespace {

TEST(AlertTonePatternOf, ReadsTheRecordThroughTheShippedRules) {
  for (const char* file : {"VEX_E.lng", "VEX_S.lng"}) {
    const LanguageTexts texts(std::string(VEX_DATA_DIR) + "/" + file);
    AlertToneItem item;
    item.initDefaults(0);
    auto& b = item.record().bytes;
    AlertTonePattern pattern = AlertTonePatternOf(b, texts);
    EXPECT_EQ(pattern.cycles, 1) << file;
    EXPECT_EQ(pattern.pauseSeconds, 3) << file;
    EXPECT_EQ(pattern.segments[0].hz, 1000) << file;  // raw 100 on 10, 20, ... Hz
    EXPECT_EQ(pattern.segments[0].ms, 100) << file;
    EXPECT_EQ(pattern.segments[1].hz, 500) << file;
    EXPECT_EQ(pattern.segments[1].ms, 0) << file;

    b[0] = 0;  // continuous
    b[4] = 0;  // segment 1 off: silence
    b[5] = 5;
    pattern = AlertTonePatternOf(b, texts);
    EXPECT_EQ(pattern.cycles, AlertTonePattern::kContinuousCycles) << file;
    EXPECT_EQ(pattern.segments[1].hz, 0) << file;
    EXPECT_EQ(pattern.segments[1].ms, 50) << file;
  }
}

}  // namespace
}  // namespace vex
