// import-csv with files as users bring them: CHIRP's stock file, taken in
// part, and a short list that leaves references to channels that are gone.
#include <gtest/gtest.h>

#include <fstream>

#include "../lib/core/codeplug_test_support.h"
#include "cli_runner.h"

namespace vex::test {
namespace {

std::size_t Count(const std::string& text, const std::string& word) {
  std::size_t n = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

TEST(CliCsv, TheStockFileComesInByItsLinesOrLeavingOutWhatDoesNotFit) {
  test::ScratchDir dir;
  const std::string scratch = dir.path().string();
  const std::string base = dir.file("a.dat");
  ASSERT_EQ(RunCli({"new", "-o", base, "--model-id", "VEXM1", "--range", "446-446"}, scratch).exitCode, 0);
  const std::string stock = std::string(VEX_SOURCE_DIR) + "/tests/fixtures/EU LPD and PMR Channels.csv";
  struct Case {
    std::vector<std::string> options;
    int exitCode;
    std::size_t messages;  // lines on standard error
  };
  const Case cases[] = {
      {{}, 1, 72},                   // 69 lines outside the band, too many channels, names, not imported
      {{"--lines", "71-86"}, 0, 1},  // the names
      {{"--skip-invalid"}, 0, 2},    // the names, the lines left out
      {{"--lines", "86-71"}, 2, 2},  // usage
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"import-csv", base, stock, "-o", dir.file("b.dat")};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliResult result = RunCli(args, scratch);
    EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
    EXPECT_EQ(Count(result.err, "\n"), c.messages) << result.err;
  }
  const std::string dump = RunCli({"dump", dir.file("b.dat")}, scratch).out;
  EXPECT_NE(dump.find("446.19375"), std::string::npos);
  EXPECT_EQ(dump.find("433.075"), std::string::npos);
}

TEST(CliCsv, AShortListMovesTheScanListReferencesAndSaysSo) {
  test::ScratchDir dir;
  const std::string scratch = dir.path().string();
  const std::string base = dir.file("a.dat");
  ASSERT_EQ(RunCli({"new", "-o", base, "--model-id", "VEXM1", "--range", "446-446"}, scratch).exitCode, 0);
  std::ofstream(dir.file("few.yaml")) << "scan_lists:\n  - member_1: 3\n    member_2: 4\n    designated_channel: 4\n";
  ASSERT_EQ(RunCli({"apply", dir.file("few.yaml"), "--base", base, "-o", base}, scratch).exitCode, 0);
  // An older 18-column export of two channels.
  std::ofstream(dir.file("two.csv"))
      << "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,"
         "Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n"
      << "1,,446.006250,,0.000000,,88.5,88.5,023,NN,NFM,6.25,,,,,,\n"
      << "2,,446.018750,,0.000000,,88.5,88.5,023,NN,NFM,6.25,,,,,,\n";
  const CliResult imported = RunCli({"import-csv", base, dir.file("two.csv"), "-o", dir.file("b.dat")}, scratch);
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_NE(imported.err.find("warning: scan list 1 member_1: channel 3 no longer exists; the slot is now empty"),
            std::string::npos)
      << imported.err;
  EXPECT_NE(imported.err.find("warning: scan list 1 designated_channel: channel 4 no longer exists; now channel 1"),
            std::string::npos);

  // A text over the base does the same, in the text's names.
  std::ofstream(dir.file("one.yaml")) << "channels:\n  - rx_frequency: 446.00625\n    tx_frequency: 446.00625\n";
  const CliResult applied = RunCli({"apply", dir.file("one.yaml"), "--base", base, "-o", dir.file("c.dat")}, scratch);
  ASSERT_EQ(applied.exitCode, 0) << applied.err;
  EXPECT_NE(applied.err.find("warning: scan_lists[1].member_2: channel 4 no longer exists"), std::string::npos)
      << applied.err;
}

}  // namespace
}  // namespace vex::test
