// export and apply from the command line: the round trip through a file, a
// partial text over a base, and a refused text that writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli_runner.h"
#include "../lib/core/codeplug_test_support.h"

namespace vex::test {
namespace {

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

TEST(CliText, ExportApplyAndRefusal) {
  test::ScratchDir dir;
  auto run = [&](const std::vector<std::string>& args) { return RunCli(args, dir.path().string()); };
  const std::string base = dir.file("a.dat");
  ASSERT_EQ(run({"new", "-o", base, "--model-id", "VEXM1", "--range", "446-446"}).exitCode, 0);

  ASSERT_EQ(run({"export", base, "-o", dir.file("a.yaml")}).exitCode, 0);
  const CliResult applied = run({"apply", dir.file("a.yaml"), "-o", dir.file("b.dat")});
  ASSERT_EQ(applied.exitCode, 0) << applied.err;
  EXPECT_EQ(Read(dir.file("b.dat")), Read(base));

  Write(dir.file("one.yaml"), "channels:\n  - rx_frequency: 446.09375\n    tx_frequency: 446.09375\n");
  ASSERT_EQ(run({"apply", dir.file("one.yaml"), "--base", base, "-o", dir.file("c.dat")}).exitCode, 0);
  EXPECT_NE(run({"dump", dir.file("c.dat")}).out.find("446.09375"), std::string::npos);

  Write(dir.file("bad.yaml"), "settings:\n  misc:\n    vox_gain_level: 12\n");
  const CliResult refused = run({"apply", dir.file("bad.yaml"), "--base", base, "-o", dir.file("d.dat")});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("bad.yaml:3:21: settings.misc.vox_gain_level"), std::string::npos) << refused.err;
  EXPECT_FALSE(std::filesystem::exists(dir.file("d.dat")));

  EXPECT_NE(run({"export", dir.file("missing.dat")}).err.find("No such file"), std::string::npos);
}

}  // namespace
}  // namespace vex::test
