#include "config/safe_format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using vex::formatText;

TEST(SafeFormat, FillsMatchingConversions) {
  EXPECT_EQ(formatText("Write failed at %04X.", 0x1623), "Write failed at 1623.");
  EXPECT_EQ(formatText("Port COM%d", 3), "Port COM3");
  EXPECT_EQ(formatText("Band %s differs", std::string("136-174")), "Band 136-174 differs");
  EXPECT_EQ(formatText("%-5s|%5d|%x", "ab", -12, 255u), "ab   |  -12|ff");
  EXPECT_EQ(formatText("100%% at %ld", 7L), "100% at 7");
  EXPECT_EQ(vex::SafeFormat::formatText("%d-%d", 136, 174), "136-174");
}

TEST(SafeFormat, UnsignedConversionsUseTheArgumentsWidth) {
  EXPECT_EQ(formatText("%X", -1), "FFFFFFFF");
  EXPECT_EQ(formatText("%u", static_cast<short>(-1)), "65535");
}

TEST(SafeFormat, TextsThatDoNotFitAreShownAsWritten) {
  EXPECT_EQ(formatText("%s%n", 5), "%s%n");
  EXPECT_EQ(formatText("%d%d", 5), "%d%d");
  EXPECT_EQ(formatText("%s", 5), "%s");
  EXPECT_EQ(formatText("%d", std::string("x")), "%d");
  EXPECT_EQ(formatText("No number here", 5), "No number here");
  EXPECT_EQ(formatText("100%%", 5), "100%%");
  EXPECT_EQ(formatText("%f", 5), "%f");
  EXPECT_EQ(formatText("%p", 5), "%p");
  EXPECT_EQ(formatText("%*d", 5), "%*d");
  EXPECT_EQ(formatText("%1$d", 5), "%1$d");
  EXPECT_EQ(formatText("%99999d", 5), "%99999d");
  EXPECT_EQ(formatText("%ls", "x"), "%ls");
  EXPECT_EQ(formatText("%05s", "x"), "%05s");
  EXPECT_EQ(formatText("ends with %", 5), "ends with %");
  EXPECT_EQ(formatText("", 5), "");
  EXPECT_EQ(formatText("plain %% only"), "plain % only");
}

}  // namespace
