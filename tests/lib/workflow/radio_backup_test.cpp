// Backup file names: the port's short name, characters a file name cannot
// hold replaced, and a second backup in the same second never overwriting
// the first.
#include "workflow/radio_backup.h"

#include "../core/codeplug_test_support.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vex {
namespace {

TEST(RadioBackup, PortTagsAreShortAndFileSafe) {
  EXPECT_EQ(PortFileTag("/dev/ttyUSB0"), "ttyUSB0");
  EXPECT_EQ(PortFileTag("/dev/pts/3"), "pts-3");
  EXPECT_EQ(PortFileTag("/dev/serial/by-id/usb-FTDI_Cable_A1-if00-port0"), "usb-FTDI_Cable_A1-if00-port0");
  EXPECT_EQ(PortFileTag(""), "radio");
}

TEST(RadioBackup, FileNamesCarryModelPortAndTimeAndNeverReplaceAnEarlierBackup) {
  test::ScratchDir dir;
  std::tm when{};
  when.tm_year = 126;
  when.tm_mon = 11;
  when.tm_mday = 8;
  when.tm_hour = 21;
  when.tm_min = 5;
  when.tm_sec = 9;
  when.tm_isdst = -1;
  const std::time_t t = std::mktime(&when);

  const auto first = BackupFilePath(dir.path(), "VX/446 ", "/dev/pts/3", t);
  EXPECT_EQ(first, dir.path() / "VX_446-pts-3-20261208-210509.dat");
  std::ofstream(first) << "x";
  const auto second = BackupFilePath(dir.path(), "VX/446 ", "/dev/pts/3", t);
  EXPECT_EQ(second, dir.path() / "VX_446-pts-3-20261208-210509-2.dat");
  EXPECT_EQ(BackupFilePath(dir.path(), "", "", t).filename(), "radio-radio-20261208-210509.dat");
}

}  // namespace
}  // namespace vex
