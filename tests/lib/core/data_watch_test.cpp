// The data watch's log and the texts of its grid and lines.
#include "core/data_watch.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

Image Filled(std::uint8_t value) {
  Image image;
  image.fill(value);
  return image;
}

TEST(DataWatch, LogsChangesInAddressOrderRelativeToTheLastUpdate) {
  DataWatch watch;
  Image image = Filled(0xFF);
  watch.fill(image);
  image[8191] = 0x00;
  image[416] = 0x05;
  EXPECT_EQ(watch.update(image), 2u);
  ASSERT_EQ(watch.changes().size(), 2u);
  EXPECT_EQ(WatchLineText(watch.changes()[0]), "$E.0x1A0:FF->05");
  EXPECT_EQ(WatchLineText(watch.changes()[1]), "$E.0x1FFF:FF->00");
  EXPECT_TRUE(watch.isHighlighted(416));
  EXPECT_FALSE(watch.isHighlighted(417));

  // Nothing new: no line; the same byte changing again gets a second line,
  // and the cell's first line is the older one.
  EXPECT_EQ(watch.update(image), 0u);
  image[416] = 0x06;
  EXPECT_EQ(watch.update(image), 1u);
  EXPECT_EQ(WatchLineText(watch.changes().back()), "$E.0x1A0:05->06");
  EXPECT_EQ(watch.firstLineOf(416), 0u);
  EXPECT_EQ(watch.firstLineOf(8191), 1u);
  EXPECT_FALSE(watch.firstLineOf(0));
}

TEST(DataWatch, ClearDropsLinesAndHighlightsButKeepsTheLatestValues) {
  DataWatch watch;
  Image image = Filled(0);
  watch.fill(image);
  image[5] = 7;
  watch.update(image);
  watch.clear();
  EXPECT_TRUE(watch.changes().empty());
  EXPECT_FALSE(watch.isHighlighted(5));
  EXPECT_EQ(watch.watched()[5], 7);
  image[6] = 1;
  EXPECT_EQ(watch.update(image), 1u);
  EXPECT_EQ(watch.changes()[0].address, 6);

  // A fresh fill starts a new snapshot with an empty log.
  image[7] = 9;
  watch.fill(image);
  EXPECT_TRUE(watch.changes().empty());
  EXPECT_EQ(watch.update(image), 0u);
}

TEST(DataWatch, EveryByteChangedIsOneLineEach) {
  DataWatch watch;
  watch.fill(Filled(0));
  EXPECT_EQ(watch.update(Filled(1)), layout::kImageSize);
  EXPECT_EQ(watch.firstLineOf(8191), 8191u);
}

TEST(DataWatchTexts, HeadersCellsAndDetails) {
  EXPECT_EQ(WatchRowHeader(0), "F:000_");
  EXPECT_EQ(WatchRowHeader(511), "F:1FF_");
  EXPECT_EQ(WatchColumnHeader(0), "_0");
  EXPECT_EQ(WatchColumnHeader(15), "_F");
  EXPECT_EQ(WatchCellText(5), "05");
  EXPECT_EQ(WatchCellText(0xAB), "AB");
  EXPECT_EQ(DataWatch::RowOf(8191), 511u);
  EXPECT_EQ(DataWatch::ColumnOf(8191), 15u);
  EXPECT_EQ(DataWatch::AddressOf(26, 0), 416u);

  EXPECT_EQ(WatchDetailText({416, 255, 5}), "$E.0x1A0:255->05\r\n$E.0x1A0:11111111\r\n->00000101");
  // Addresses without leading zeros, values with at least two digits.
  EXPECT_EQ(WatchLineText({5, 5, 100}), "$E.0x5:05->64");
  EXPECT_EQ(WatchDetailText({5, 5, 100}), "$E.0x5:05->100\r\n$E.0x5:00000101\r\n->01100100");
}

}  // namespace
}  // namespace vex
