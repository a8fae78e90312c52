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
  // A radio's name must not make a hidden file or one that reads as an option.
  EXPECT_EQ(BackupFilePath(dir.path(), "..", "/dev/pts/3", t).filename(), "_.-pts-3-20261208-210509.dat");
  EXPECT_EQ(BackupFilePath(dir.path(), "-rf", "/dev/pts/3", t).filename(), "_rf-pts-3-20261208-210509.dat");
}

TEST(RadioBackup, EveryRadioOfAReadGetsAFileOfItsOwn) {
  struct Case {
    std::vector<std::string> devices;
    std::vector<std::string> names;
  };
  for (const Case& c : {
           Case{{"/dev/ttyUSB0", "/dev/ttyUSB1"}, {"out-ttyUSB0.dat", "out-ttyUSB1.dat"}},
           Case{{"a/radio", "b/radio", "c/radio"}, {"out-radio.dat", "out-radio-2.dat", "out-radio-3.dat"}},
           Case{{"/dev/pts/3", "./pts-3"}, {"out-pts-3.dat", "out-pts-3-2.dat"}},
           // A tag that looks like a numbered one is not given twice either.
           Case{{"x/radio-2", "a/radio", "b/radio"}, {"out-radio-2.dat", "out-radio.dat", "out-radio-3.dat"}},
       }) {
    const auto paths = PortFilePaths("dir/out.dat", c.devices);
    ASSERT_EQ(paths.size(), c.names.size());
    for (std::size_t i = 0; i < paths.size(); ++i) EXPECT_EQ(paths[i], "dir/" + c.names[i]) << c.devices[i];
  }
}

}  // namespace
}  // namespace vex
