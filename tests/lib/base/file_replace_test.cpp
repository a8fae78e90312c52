// Replacing a file's content never leaves temporary files behind for good
// (those of a save that was killed are removed by the next save in their
// folder), gives the file the mode it should have, and says why it failed.
#include "base/file_replace.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace vex {
namespace {

namespace fs = std::filesystem;

struct Folder {
  Folder() : path(fs::temp_directory_path() / ("vex-replace-" + std::to_string(::getpid()))) {
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~Folder() { fs::remove_all(path); }
  std::set<std::string> names() const {
    std::set<std::string> all;
    for (const auto& entry : fs::directory_iterator(path)) all.insert(entry.path().filename().string());
    return all;
  }
  void touch(const std::string& name) const { std::ofstream(path / name) << "left over"; }
  fs::path path;
};

// The pid of a process that has ended.
pid_t EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

std::string Read(const fs::path& path) {
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(path, 1000, bytes));
  return bytes;
}

TEST(ReplaceFileContent, RemovesTheTemporariesOfEndedSavesBesideTheTarget) {
  Folder dir;
  const std::string dead = std::to_string(EndedProcess());
  const std::string self = std::to_string(::getpid());
  const std::set<std::string> kept{
      ".vextmp" + self + "_7",    // a save running in this process
      "a.dat.tmp" + self + "_7",  // the same, named as earlier versions did
      ".vextmp1_0",               // a running process
      "a.dat.tmp" + dead,         // not names we make
      "a.dat.tmp" + dead + "_x",
      ".vextmpx_1",
  };
  for (const std::string& name : kept) dir.touch(name);
  for (const std::string& stale : {".vextmp" + dead + "_0", "a.dat.tmp" + dead + "_12", "b.dat.tmp" + dead + "_0"})
    dir.touch(stale);

  ASSERT_TRUE(ReplaceFileContent(dir.path / "a.dat", "new content"));
  EXPECT_EQ(Read(dir.path / "a.dat"), "new content");
  std::set<std::string> expected = kept;
  expected.insert("a.dat");
  EXPECT_EQ(dir.names(), expected);
}

mode_t ModeOf(const fs::path& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

TEST(ReplaceFileContent, NewFilesTakeTheAskedModeAndOldOnesKeepTheirs) {
  Folder dir;
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(ReplaceFileContent(dir.path / "private.dat", "secret", {0600}));
  EXPECT_EQ(ModeOf(dir.path / "private.dat"), 0600u);
  ASSERT_TRUE(ReplaceFileContent(dir.path / "shared.ini", "x"));
  EXPECT_EQ(ModeOf(dir.path / "shared.ini"), 0644u);
  ASSERT_EQ(::chmod((dir.path / "shared.ini").c_str(), 0640), 0);
  ASSERT_TRUE(ReplaceFileContent(dir.path / "shared.ini", "y", {0600}));
  EXPECT_EQ(ModeOf(dir.path / "shared.ini"), 0640u);
  ::umask(mask);
}

TEST(ReplaceFileContent, LongNamesDanglingLinksAndRefusalsWithTheirCause) {
  Folder dir;
  const std::string longest(255, 'n');
  EXPECT_TRUE(ReplaceFileContent(dir.path / longest, "fits"));
  EXPECT_EQ(Read(dir.path / longest), "fits");

  // A link whose file does not exist yet is written through, not replaced.
  fs::create_symlink("made.dat", dir.path / "link.dat");
  ASSERT_TRUE(ReplaceFileContent(dir.path / "link.dat", "through"));
  EXPECT_TRUE(fs::is_symlink(dir.path / "link.dat"));
  EXPECT_EQ(Read(dir.path / "made.dat"), "through");

  dir.touch("locked.dat");
  ASSERT_EQ(::chmod((dir.path / "locked.dat").c_str(), 0444), 0);
  fs::create_directory(dir.path / "folder");
  struct Case {
    const char* name;
    int cause;
  };
  for (const Case& c : {Case{"locked.dat", EACCES}, Case{"folder", EISDIR}, Case{"no/such/file", ENOENT}}) {
    errno = 0;
    EXPECT_FALSE(ReplaceFileContent(dir.path / c.name, "refused")) << c.name;
    EXPECT_EQ(errno, c.cause) << c.name;
  }
  EXPECT_EQ(Read(dir.path / "locked.dat"), "left over");
  EXPECT_EQ(dir.names(), (std::set<std::string>{longest, "link.dat", "made.dat", "locked.dat", "folder"}));
}

TEST(ReplaceFileContent, LeavesOnlyTheTargetAfterSavingAgainAndAgain) {
  Folder dir;
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(ReplaceFileContent(dir.path / "s.ini", std::string(i + 1, 'x')));
  EXPECT_EQ(Read(dir.path / "s.ini"), "xxx");
  EXPECT_EQ(dir.names(), std::set<std::string>{"s.ini"});
}

}  // namespace
}  // namespace vex
