// export and apply from the command line: the round trip through a file, a
// partial text over a base, and a refused text that writes nothing.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../lib/core/codeplug_test_support.h"
#include "cli_runner.h"

namespace vex::test {
namespace {

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// The README's example text: its first indented block that starts with the
// editor's schema line, up to the blank line after it.
std::string ReadmeExample() {
  std::istringstream readme(Read(std::string(VEX_SOURCE_DIR) + "/README.md"));
  std::string text, line;
  bool inside = false;
  while (std::getline(readme, line)) {
    if (!inside && line.rfind("    # yaml-language-server:", 0) != 0) continue;
    if (line.empty()) break;
    inside = true;
    text += line.substr(std::min<std::size_t>(4, line.size())) + "\n";
  }
  return text;
}

TEST(CliText, ExportApplyAndRefusal) {
  test::ScratchDir dir;
  auto run = [&](const std::vector<std::string>& args) { return RunCli(args, dir.path().string()); };
  const std::string base = dir.file("a.dat");
  ASSERT_EQ(run({"new", "-o", base, "--model-id", "VEXM1", "--range", "446-446"}).exitCode, 0);

  ASSERT_EQ(run({"export", base, "-o", dir.file("a.yaml")}).exitCode, 0);
  const CliResult applied = run({"apply", dir.file("a.yaml"), "-o", dir.file("b.dat")});
  ASSERT_EQ(applied.exitCode, 0) << applied.err;
  EXPECT_EQ(Read(dir.file("b.dat")), Read(base));
  const std::string piped = "cat " + dir.file("a.yaml") + " | " + VEX_BIN_DIR + "/vexprog-cli --data-dir " +
                            BuildDataDir() + " apply - -o " + dir.file("p.dat") + " 2>/dev/null";
  ASSERT_EQ(std::system(piped.c_str()), 0);
  EXPECT_EQ(Read(dir.file("p.dat")), Read(base));

  Write(dir.file("one.yaml"), "channels:\n  - rx_frequency: 446.09375\n    tx_frequency: 446.09375\n");
  ASSERT_EQ(run({"apply", dir.file("one.yaml"), "--base", base, "-o", dir.file("c.dat")}).exitCode, 0);
  EXPECT_NE(run({"dump", dir.file("c.dat")}).out.find("446.09375"), std::string::npos);

  Write(dir.file("bad.yaml"), "settings:\n  misc:\n    vox_gain_level: 12\n");
  const CliResult refused = run({"apply", dir.file("bad.yaml"), "--base", base, "-o", dir.file("d.dat")});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("bad.yaml:3:21: settings.misc.vox_gain_level"), std::string::npos) << refused.err;
  EXPECT_FALSE(std::filesystem::exists(dir.file("d.dat")));

  // A text's empty comment replaces the comment of the file it is written over.
  Write(dir.file("said.yaml"), "file:\n  comment: \"kept?\"\n");
  Write(dir.file("unsaid.yaml"), "file:\n  comment: \"\"\n");
  ASSERT_EQ(run({"apply", dir.file("said.yaml"), "--base", base, "-o", dir.file("e.dat")}).exitCode, 0);
  ASSERT_EQ(run({"apply", dir.file("unsaid.yaml"), "--base", base, "-o", dir.file("e.dat")}).exitCode, 0);
  EXPECT_EQ(run({"info", dir.file("e.dat"), "--json"}).out.find("kept?"), std::string::npos);
}

TEST(CliText, TheReadmeExampleGivesTheChannelsItDescribes) {
  test::ScratchDir dir;
  auto run = [&](const std::vector<std::string>& args) { return RunCli(args, dir.path().string()); };
  const std::string example = ReadmeExample();
  ASSERT_NE(example.find("channels:"), std::string::npos) << "no example in the README";
  Write(dir.file("two.yaml"), example);
  const std::string radio = dir.file("radio.dat");
  ASSERT_EQ(run({"new", "-o", radio}).exitCode, 0);
  const CliResult applied = run({"apply", dir.file("two.yaml"), "--base", radio, "-o", radio});
  ASSERT_EQ(applied.exitCode, 0) << applied.err;

  const auto dump = nlohmann::json::parse(run({"dump", radio, "--json"}).out);
  ASSERT_EQ(dump["channels"].size(), 2u);
  const auto& first = dump["channels"][0];
  const auto& second = dump["channels"][1];
  EXPECT_DOUBLE_EQ(first["rx_frequency"].get<double>(), 446.00625);
  EXPECT_DOUBLE_EQ(first["tx_frequency"].get<double>(), 446.00625);
  EXPECT_EQ(first["power"], "High");
  EXPECT_DOUBLE_EQ(second["rx_frequency"].get<double>(), 446.09375);
  EXPECT_DOUBLE_EQ(second["tx_frequency"].get<double>(), 446.09375);
  EXPECT_EQ(first["rx_tone"], "67.0");
  EXPECT_EQ(second["rx_tone_type"], "CDCSS");
  EXPECT_EQ(second["rx_tone"], "023");
}

TEST(CliText, StandardInputAndMissingFiles) {
  test::ScratchDir dir;
  const std::string base = dir.file("a.dat");
  ASSERT_EQ(RunCli({"new", "-o", base}, dir.path().string()).exitCode, 0);
  const std::string missing = dir.file("missing.dat");
  const std::vector<std::vector<std::string>> commands{{"info"},
                                                       {"dump"},
                                                       {"export-csv"},
                                                       {"report"},
                                                       {"export"},
                                                       {"recode", "-o", dir.file("r.dat")},
                                                       {"diff", base},
                                                       {"import-csv", base, "-o", dir.file("r.dat")},
                                                       {"apply", "--base", base, "-o", dir.file("r.dat")}};
  for (std::vector<std::string> args : commands) {
    const bool readsStdin = args.size() == 1;
    args.insert(args.begin() + 1, missing);
    const CliResult result = RunCli(args, dir.path().string());
    EXPECT_NE(result.err.find("No such file (" + missing + ")"), std::string::npos) << args[0] << ": " << result.err;
    if (!readsStdin) continue;
    args[1] = "-";
    const CliResult piped = RunCli(args, dir.path().string(), BuildDataDir(), {}, base);
    const CliResult named = RunCli({args[0], base}, dir.path().string());
    EXPECT_EQ(piped.exitCode, 0) << args[0] << ": " << piped.err;
    EXPECT_EQ(piped.out, named.out) << args[0];
  }
}

}  // namespace
}  // namespace vex::test
