// Replacing a file's content never leaves temporary files behind for good:
// those of a save that was killed are removed by the next save of the target.
#include "base/file_replace.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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

TEST(ReplaceFileContent, RemovesTheTemporariesOfEndedSavesOfTheSameTarget) {
  Folder dir;
  const std::string dead = std::to_string(EndedProcess());
  const std::string self = std::to_string(::getpid());
  const std::set<std::string> kept{
      "a.dat.tmp" + self + "_7",  // a save running in this process
      "a.dat.tmp1_0",             // a running process
      "b.dat.tmp" + dead + "_0",  // another target
      "a.dat.tmp" + dead,         // not a name we make
      "a.dat.tmp" + dead + "_x",
      "a.dat.tmpx_1",
  };
  for (const std::string& name : kept) dir.touch(name);
  dir.touch("a.dat.tmp" + dead + "_0");
  dir.touch("a.dat.tmp" + dead + "_12");

  ASSERT_TRUE(ReplaceFileContent(dir.path / "a.dat", "new content"));
  EXPECT_EQ(Read(dir.path / "a.dat"), "new content");
  std::set<std::string> expected = kept;
  expected.insert("a.dat");
  EXPECT_EQ(dir.names(), expected);
}

TEST(ReplaceFileContent, LeavesOnlyTheTargetAfterSavingAgainAndAgain) {
  Folder dir;
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(ReplaceFileContent(dir.path / "s.ini", std::string(i + 1, 'x')));
  EXPECT_EQ(Read(dir.path / "s.ini"), "xxx");
  EXPECT_EQ(dir.names(), std::set<std::string>{"s.ini"});
}

}  // namespace
}  // namespace vex
