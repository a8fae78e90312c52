#include "config/profile_file.h"
#include "config/profile_cache.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace {

using vex::FindProfileString;
using vex::ReadProfileInt;
using vex::ReadProfileString;
using vex::WriteProfileString;
using vex::test::ReadFileBytes;
using vex::test::TempDir;

TEST(ProfileRead, NamesIgnoreCaseAndTheFirstMatchWins) {
  TempDir dir;
  const auto file = dir.write("a.ini",
                              "[Setting]\nModelID = X5 \nmodelid=second\n"
                              "[setting]\nOther=from duplicate section\n");
  EXPECT_EQ(ReadProfileString(file, "SETTING", "ModelId", "", 100), "X5");
  // A second section of the same name is not searched.
  EXPECT_EQ(ReadProfileString(file, "Setting", "Other", "def", 100), "def");
}

TEST(ProfileRead, ToleratesLineEndingsMarksAndOddLines) {
  TempDir dir;
  const auto file = dir.write("a.ini",
                              "\xEF\xBB\xBF[Setting]\r\n; Key=commented\r\nno equals sign here\r\n"
                              "=no name\r\n  Key  =  spaced value  \r\nLast=end");
  EXPECT_EQ(ReadProfileString(file, "Setting", "Key", "", 100), "spaced value");
  EXPECT_EQ(ReadProfileString(file, "Setting", "Last", "", 100), "end");
  EXPECT_FALSE(FindProfileString(file, "Setting", "no equals sign here", 100));
  EXPECT_FALSE(FindProfileString(file, "Setting", "; Key", 100));
  EXPECT_EQ(ReadProfileString(file, "Setting", "Absent", "fallback", 100), "fallback");
}

TEST(ProfileRead, EmptyValueIsPresent) {
  TempDir dir;
  const auto file = dir.write("a.ini", "[S]\nEmpty=\n");
  ASSERT_TRUE(FindProfileString(file, "S", "Empty", 100));
  EXPECT_EQ(ReadProfileString(file, "S", "Empty", "def", 100), "");
}

TEST(ProfileRead, ValuesAreCutToTheRoomWithoutSplittingCharacters) {
  TempDir dir;
  const std::string longValue(100000, 'x');
  // "ä" is two bytes; 98 x and then ä would end at byte 100, past the 99 allowed.
  const auto file = dir.write("a.ini", "[S]\nLong=" + longValue + "\nWide=" + std::string(98, 'x') + "\xC3\xA4\n");
  EXPECT_EQ(ReadProfileString(file, "S", "Long", "", 25600).size(), 25599u);
  EXPECT_EQ(ReadProfileString(file, "S", "Wide", "", 100), std::string(98, 'x'));
  EXPECT_EQ(ReadProfileString(file, "S", "Wide", "", 101), std::string(98, 'x') + "\xC3\xA4");
  EXPECT_EQ(ReadProfileString(file, "S", "Absent", std::string(150, 'd'), 100).size(), 99u);
}

TEST(ProfileRead, IntegersTakeTheLeadingNumber) {
  TempDir dir;
  const auto file = dir.write("a.ini", "[S]\nA= 42abc\nB=-7\nC=+3\nD=abc\nE=\nF=99999999999\n");
  EXPECT_EQ(ReadProfileInt(file, "S", "A", 5), 42);
  EXPECT_EQ(ReadProfileInt(file, "S", "B", 5), -7);
  EXPECT_EQ(ReadProfileInt(file, "S", "C", 5), 3);
  EXPECT_EQ(ReadProfileInt(file, "S", "D", 5), 5);
  EXPECT_EQ(ReadProfileInt(file, "S", "E", 5), 5);
  EXPECT_EQ(ReadProfileInt(file, "S", "F", 5), 2147483647);
  EXPECT_EQ(ReadProfileInt(file, "S", "Absent", 5), 5);
}

TEST(ProfileRead, MissingOrUnusableFilesGiveDefaults) {
  TempDir dir;
  EXPECT_EQ(ReadProfileString(dir / "none.ini", "S", "K", "def", 100), "def");
  EXPECT_EQ(ReadProfileInt(dir.path(), "S", "K", 9), 9);  // a directory
  if (::geteuid() != 0) {
    const auto file = dir.write("locked.ini", "[S]\nK=v\n");
    std::filesystem::permissions(file, std::filesystem::perms::none);
    EXPECT_EQ(ReadProfileString(file, "S", "K", "def", 100), "def");
  }
}

TEST(ProfileRead, LegacyFilesAreDecodedAsGb18030) {
  TempDir dir;
  // "中文" in GB18030, then an ASCII key.
  const auto file = dir.write("legacy.lng", "[Setting]\nName=\xD6\xD0\xCE\xC4\nKey=plain\n");
  EXPECT_EQ(ReadProfileString(file, "Setting", "Name", "", 100), "\xE4\xB8\xAD\xE6\x96\x87");
  EXPECT_EQ(ReadProfileString(file, "Setting", "Key", "", 100), "plain");
}

TEST(ProfileRead, SeesEveryChangeOfTheFile) {
  TempDir dir;
  const auto file = dir.write("a.ini", "[S]\nK=1\n");
  EXPECT_EQ(ReadProfileString(file, "S", "K", "", 100), "1");
  dir.write("a.ini", "[S]\nK=2\n");  // same size, same inode, same instant
  EXPECT_EQ(ReadProfileString(file, "S", "K", "", 100), "2");
  std::filesystem::remove(file);
  EXPECT_EQ(ReadProfileString(file, "S", "K", "gone", 100), "gone");
  dir.write("a.ini", "[S]\nK=3\n");
  EXPECT_EQ(ReadProfileString(file, "S", "K", "", 100), "3");
}

// Files whose times lie far enough back are served from the parsed cache;
// every kind of change must still show. The cache is told to trust files at
// once rather than the test waiting two seconds.
TEST(ProfileRead, CachedFilesStillShowChanges) {
  struct TrustAtOnce {
    TrustAtOnce() { vex::ProfileCache::instance().setSettleTime({}); }
    ~TrustAtOnce() { vex::ProfileCache::instance().setSettleTime(vex::ProfileCache::kDefaultSettleTime); }
  } trustAtOnce;
  TempDir dir;
  const auto file = dir.write("a.ini", "[S]\nK=1\n");
  EXPECT_EQ(ReadProfileString(file, "S", "K", "", 100), "1");
  EXPECT_EQ(ReadProfileString(file, "S", "K", "", 100), "1");
  const auto oldTime = std::filesystem::last_write_time(file);
  dir.write("a.ini", "[S]\nK=2\n");  // in place, same size, time set back
  std::filesystem::last_write_time(file, oldTime);
  EXPECT_EQ(ReadProfileString(file, "S", "K", "", 100), "2");
  ASSERT_TRUE(WriteProfileString(file, "S", "K", "3"));
  EXPECT_EQ(ReadProfileString(file, "S", "K", "", 100), "3");
}

TEST(ProfileWrite, CreatesFileSectionAndKey) {
  TempDir dir;
  const auto file = dir / "new.ini";
  ASSERT_TRUE(WriteProfileString(file, "Setting", "ComPort", "3"));
  ASSERT_TRUE(WriteProfileString(file, "Other", "Key", "v"));
  EXPECT_EQ(ReadFileBytes(file), "[Setting]\nComPort=3\n\n[Other]\nKey=v\n");
  EXPECT_FALSE(WriteProfileString(dir / "no/such/dir/x.ini", "S", "K", "v"));
}

TEST(ProfileWrite, KeepsEveryOtherLine) {
  TempDir dir;
  const std::string before =
      "; settings\r\n[Setting]\r\n  ModelID = old ; not a comment\r\nmodelid=second\r\n"
      "Signal=0\r\n\r\n[User Mode]\r\nLevel=1\r\n";
  const auto file = dir.write("Settings.ini", before);
  ASSERT_TRUE(WriteProfileString(file, "setting", "MODELID", "X5"));
  ASSERT_TRUE(WriteProfileString(file, "Setting", "FreqRange", "400-470"));
  EXPECT_EQ(ReadFileBytes(file),
            "; settings\r\n[Setting]\r\nModelID=X5\r\nmodelid=second\r\n"
            "Signal=0\r\nFreqRange=400-470\r\n\r\n[User Mode]\r\nLevel=1\r\n");
  EXPECT_EQ(ReadProfileString(file, "Setting", "ModelID", "", 100), "X5");
}

TEST(ProfileWrite, KeepsTheMarkAndCopesWithoutFinalNewline) {
  TempDir dir;
  const auto file = dir.write("a.ini", "\xEF\xBB\xBF[S]\nA=1");
  ASSERT_TRUE(WriteProfileString(file, "S", "B", "2"));
  EXPECT_EQ(ReadFileBytes(file), "\xEF\xBB\xBF[S]\nA=1\nB=2\n");
}

TEST(ProfileWrite, ValuesStayOnTheirLine) {
  TempDir dir;
  const auto file = dir / "a.ini";
  ASSERT_TRUE(WriteProfileString(file, "S", "K", "one\r\n[Evil]\nX=1"));
  EXPECT_EQ(ReadProfileString(file, "S", "K", "", 100), "one  [Evil] X=1");
  EXPECT_FALSE(FindProfileString(file, "Evil", "X", 100));
}

// Names come from data too (a model ID names its catalogue section): one that
// a line cannot carry would break the file apart.
TEST(ProfileWrite, NamesThatALineCannotCarryAreRefused) {
  TempDir dir;
  const auto file = dir.write("a.ini", "[S]\nK=old\n");
  const std::string before = ReadFileBytes(file);
  for (const auto& [section, key] : std::vector<std::pair<std::string, std::string>>{{"S1\n[Setting", "K"},
                                                                                     {"S]x", "K"},
                                                                                     {"", "K"},
                                                                                     {"S", "K=1"},
                                                                                     {"S", "[K"},
                                                                                     {"S", ";K"},
                                                                                     {"S", ""},
                                                                                     {"S", "K\r\nX"},
                                                                                     {"S\t1", "K"}}) {
    EXPECT_FALSE(WriteProfileString(file, section, key, "v")) << section << "/" << key;
    EXPECT_EQ(ReadFileBytes(file), before) << section << "/" << key;
  }
  ASSERT_TRUE(WriteProfileString(file, " S ", " K ", "new"));
  EXPECT_EQ(ReadProfileString(file, "S", "K", "", 100), "new");
}

TEST(ProfileWrite, ReadsSeeOwnWritesAndNoTemporaryFileRemains) {
  TempDir dir;
  const auto file = dir.write("a.ini", "[S]\nK=old\n");
  EXPECT_EQ(ReadProfileString(file, "S", "K", "", 100), "old");
  ASSERT_TRUE(WriteProfileString(file, "S", "K", "new"));
  EXPECT_EQ(ReadProfileString(file, "S", "K", "", 100), "new");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1);
}

TEST(ProfileWrite, LegacyFileIsRewrittenAsUtf8WithItsText) {
  TempDir dir;
  const auto file = dir.write("legacy.ini", "[S]\nName=\xD6\xD0\xCE\xC4\n");
  ASSERT_TRUE(WriteProfileString(file, "S", "K", "\xC3\xA4"));
  EXPECT_EQ(ReadFileBytes(file), "[S]\nName=\xE4\xB8\xAD\xE6\x96\x87\nK=\xC3\xA4\n");
}

}  // namespace
