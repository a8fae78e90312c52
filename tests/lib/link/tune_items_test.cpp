// Sub-item groups, codes, value ranges and output selection of tuning items.
#include "link/tune_items.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

TEST(TuneItems, FlagsGiveTheGroupsAndTheStartingSpacing) {
  // Squelch open: wide 0-4, narrow 10-14 and the volume flag.
  const std::uint16_t squelch = 64543;  // 0xFC1F
  EXPECT_TRUE(HasGroup(squelch, Spacing::Wide));
  EXPECT_FALSE(HasGroup(squelch, Spacing::Middle));
  EXPECT_TRUE(HasGroup(squelch, Spacing::Narrow));
  EXPECT_TRUE(HasSubItem(squelch, Spacing::Narrow, 4));
  EXPECT_FALSE(HasSubItem(squelch, Spacing::Narrow, 5));
  EXPECT_EQ(StartSpacing(squelch), Spacing::Wide);
  EXPECT_EQ(StartSpacing(0x0020), Spacing::Middle);
  EXPECT_EQ(StartSpacing(31744), Spacing::Narrow);  // modulation narrow: bits 10-14
  EXPECT_EQ(StartSpacing(0), Spacing::Narrow);

  EXPECT_EQ(SubItemCode(0x8300, Spacing::Wide, 2), 0x8302);
  EXPECT_EQ(SubItemCode(0x8300, Spacing::Middle, 0), 0x8305);
  EXPECT_EQ(SubItemCode(0x8300, Spacing::Narrow, 4), 0x830E);
}

TEST(TuneItems, FirstSubItemIsTheLowestPresentOne) {
  EXPECT_EQ(FirstSubItem({0x8040, 31744, ""}), 0x804A);
  EXPECT_EQ(FirstSubItem({0x8000, 1, ""}), 0x8000);
  EXPECT_EQ(FirstSubItem({0x8000, 0x0040, ""}), 0x8006);
  EXPECT_FALSE(FirstSubItem({0x8000, 0, ""}));
  EXPECT_FALSE(FirstSubItem({0x8000, kVolumeFlag, ""}));  // the flag alone is no sub-item
}

TEST(TuneItems, RangesOutputsAndFivePoints) {
  for (std::uint16_t item : {0x8000, 0x8020, 0x8030, 0x8040, 0x8480}) EXPECT_EQ(TuneValueMax(item), 1474) << item;
  for (std::uint16_t item : {0x8010, 0x8300, 0x8320}) EXPECT_EQ(TuneValueMax(item), 255) << item;
  EXPECT_EQ(OutputSelector(0x82FF), 'a');
  EXPECT_EQ(OutputSelector(0x8300), 'b');
  EXPECT_EQ(OutputSelector(0x848F), 'b');
  EXPECT_EQ(OutputSelector(0x8490), 'a');
  EXPECT_EQ(FivePointOf(0x8010, 0x8013), 3u);
  EXPECT_EQ(FivePointOf(0x8010, 0x8017), 2u);  // middle point 2
  EXPECT_EQ(FivePointOf(0x8010, 0x801E), 4u);
}

}  // namespace
}  // namespace vex
