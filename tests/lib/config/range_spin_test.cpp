#include <gtest/gtest.h>

#include "config/range_edit.h"

namespace {

using namespace vex;

// Alert tone frequencies: 100..2550 Hz in steps of 10, off beyond both ends.
constexpr RangeRule kTone{100, 10, 2550, 1, 10, 1, 0};

TEST(RangeSpin, StepsWithinTheRangeAndComesInAtTheOtherEnd) {
  EXPECT_EQ(SpinRangeEdit(kTone, "100", true), "110");
  EXPECT_EQ(SpinRangeEdit(kTone, "107", true), "110");  // rounded down to the step first
  EXPECT_EQ(SpinRangeEdit(kTone, "2550", true), "100");
  EXPECT_EQ(SpinRangeEdit(kTone, "100", false), "2550");
  EXPECT_EQ(SpinRangeEdit(kTone, "2550", false), "2540");
  EXPECT_EQ(SpinRangeEdit(kTone, "5000", false), "2550");  // outside: the other end
  EXPECT_EQ(SpinRangeEdit(kTone, "abc", true), "100");
  const RangeRule tenths{0, 5, 20, 10, 0, 1, 1};
  EXPECT_EQ(SpinRangeEdit(tenths, "1.5", true), "2.0");
}

TEST(RangeSpin, OffLiesBeyondBothEnds) {
  EXPECT_EQ(SpinRangeEditWithOff(kTone, "Off", true, "Off"), "100");
  EXPECT_EQ(SpinRangeEditWithOff(kTone, "", false, "Off"), "2550");
  EXPECT_EQ(SpinRangeEditWithOff(kTone, "100", false, "Off"), "Off");
  EXPECT_EQ(SpinRangeEditWithOff(kTone, "2550", true, "Off"), "Off");
  EXPECT_EQ(SpinRangeEditWithOff(kTone, "500", true, "Off"), "510");
  EXPECT_EQ(SpinRangeEditWithOff(kTone, "500", false, "Off"), "490");
}

}  // namespace
