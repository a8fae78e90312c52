// read, write and ports of vexprog-cli against vexprog-sim on a
// pseudo-terminal, with the link's real timings. Every test works on a copy
// of the data directory so that Settings.ini and Model.dat changes stay there.
#include "../lib/core/codeplug_test_support.h"
#include "cli_runner.h"
#include "sim_process.h"

#include "config/language_texts.h"
#include "base/text_ids.h"
#include "core/codeplug_reader.h"
#include "core/container.h"
#include "core/image_layout.h"
#include "link/transfer_plan.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>

namespace vex {
namespace {

using test::CliResult;
using test::FileBuilder;
using test::SimProcess;
using test::Slurp;

using Bytes = std::vector<std::uint8_t>;

class CliRadio : public ::testing::Test {
 protected:
  CliRadio() {
    std::filesystem::copy(test::BuildDataDir(), data, std::filesystem::copy_options::recursive);
    // Keeps a user's own settings copy out of the way.
    ::setenv("XDG_CONFIG_HOME", dir.file("config").c_str(), 1);
  }

  CliResult run(const std::vector<std::string>& args) { return test::RunCli(args, dir.path().string(), data.string()); }
  std::string file(const std::string& name) const { return dir.file(name); }
  std::string settings() const { return Slurp((data / "Settings.ini").string()); }
  std::string catalogue() const { return Slurp((data / "Model.dat").string()); }
  void mapPort(const std::string& lines) {
    std::ofstream(data / "Settings.ini", std::ios::app) << "\n[Ports]\n" << lines;
  }

  std::string message(int id) const { return LanguageTexts(data / "VEX_E.lng").messageText(id); }
  std::string label(int id) const { return LanguageTexts(data / "VEX_E.lng").labelText(id); }

  // A codeplug file of the default data with passwords set as given.
  std::string codeplugWithPasswords(const std::string& name, const std::string& readPassword) {
    RadioDataContainer container;
    container.clearRecords();
    container.resetToDefaults();
    container.passwords().setText(PasswordSection::kRead, readPassword);
    container.passwords().storeTexts();
    container.encode();
    FileBuilder()
        .standard(test::SampleHeader(), Bytes(container.image().begin(), container.image().end()))
        .writeTo(file(name));
    return file(name);
  }

  test::ScratchDir dir;
  std::filesystem::path data = dir.path() / "data";
};

Bytes ImageOf(const std::string& codeplugFile) {
  Bytes image(8192, 0);
  LoadedCounts counts;
  EXPECT_TRUE(LoadCodeplugFile(codeplugFile, {}, image, counts)) << codeplugFile;
  return image;
}

TEST_F(CliRadio, ReadSavesTheRadiosMemoryAndStoresItsIdentity) {
  // The radio starts from a codeplug file whose data differ from the defaults.
  const std::string start = codeplugWithPasswords("start.dat", "4321");
  SimProcess sim({"--image", start, "--save", file("end.bin"), "--band", "430-440", "--read-password", "1234"});
  ASSERT_FALSE(sim.device().empty());
  mapPort("COM7=" + sim.device() + "\n");

  const CliResult r =
      run({"read", "--port", "COM7", "-o", file("radio.dat"), "--password", "1234", "--add-range", "yes"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find(message(text::kMsgReadDone)), std::string::npos) << r.out;
  EXPECT_TRUE(r.err.empty()) << r.err;  // no progress lines without --verbose
  ASSERT_TRUE(sim.stop());

  EXPECT_EQ(ImageOf(file("radio.dat")), test::ReadBytes(file("end.bin")));
  EXPECT_EQ(ImageOf(file("radio.dat")), ImageOf(start));

  const CliResult info = run({"info", file("radio.dat"), "--json"});
  EXPECT_NE(info.out.find("\"model_id\": \"VEXM1\""), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("\"range_low\": 430"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("\"range_high\": 440"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("\"version_a\": \"1.03.11\""), std::string::npos) << info.out;

  EXPECT_NE(settings().find("ComPort=7"), std::string::npos) << settings();
  EXPECT_NE(settings().find("FreqRange=430-440"), std::string::npos) << settings();
  EXPECT_NE(catalogue().find("430, 440"), std::string::npos) << catalogue();
}

TEST_F(CliRadio, FailedReadsLeaveNoFileAndTheSettingsAsTheyWere) {
  SimProcess sim({"--band", "430-440", "--read-password", "1234", "--model-id", "VEXM1"});
  ASSERT_FALSE(sim.device().empty());
  const std::string settingsBefore = settings();
  const std::string catalogueBefore = catalogue();

  const CliResult wrong = run({"read", "--port", sim.device(), "-o", file("out.dat"), "--password", "9999"});
  EXPECT_EQ(wrong.exitCode, 1);
  EXPECT_NE(wrong.err.find(message(text::kMsgWrongPassword)), std::string::npos) << wrong.err;

  const CliResult none = run({"read", "--port", sim.device(), "-o", file("out.dat"), "--verbose"});
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_NE(none.err.find("--password"), std::string::npos) << none.err;

  EXPECT_FALSE(std::filesystem::exists(file("out.dat")));
  EXPECT_EQ(settings(), settingsBefore);
  EXPECT_EQ(catalogue(), catalogueBefore);
}

TEST_F(CliRadio, SilentRadioEndsWith1143InBoundedTime) {
  SimProcess sim({"--silent-after", "0"});
  ASSERT_FALSE(sim.device().empty());
  const std::string settingsBefore = settings();
  const auto began = std::chrono::steady_clock::now();
  const CliResult r = run({"read", "--port", sim.device(), "-o", file("out.dat")});
  EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(10));
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find(message(text::kMsgNoRadio)), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(file("out.dat")));
  EXPECT_EQ(settings(), settingsBefore);
}

TEST_F(CliRadio, WriteLandsInTheRadiosMemoryOverTheWrittenRanges) {
  const std::string codeplug = codeplugWithPasswords("w.dat", "1111");
  test::WriteBytes(file("start.bin"), Bytes(8192, 0x5A));
  // The file's header names the model VX-446 and the range 446-446.
  SimProcess sim(
      {"--image", file("start.bin"), "--save", file("end.bin"), "--model-name", "VX-446", "--write-password", "5678"});
  ASSERT_FALSE(sim.device().empty());

  const CliResult r = run({"write", "--port", sim.device(), "--password", "5678", codeplug, "--verbose"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find(message(text::kMsgWriteDone)), std::string::npos) << r.out;
  // The password notice is printed, then the progress lines.
  EXPECT_NE(r.err.find(label(text::kNoticeReadPassword)), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(label(text::kNoticeClosing)), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("100%"), std::string::npos) << r.err;
  ASSERT_TRUE(sim.stop());

  const Bytes written = ImageOf(codeplug);
  const Bytes radio = test::ReadBytes(file("end.bin"));
  ASSERT_EQ(radio.size(), 8192u);
  Bytes expected(8192, 0x5A);
  for (const TransferBlock& b : WritePlan(false))
    std::copy_n(written.begin() + b.address, b.length, expected.begin() + b.address);
  const auto stamp = layout::kTimeStamp;
  // Everything but the fresh programming time stamp is as planned.
  EXPECT_NE(Bytes(radio.begin() + stamp.first, radio.begin() + stamp.first + 3), Bytes(3, 0x5A));
  std::copy_n(radio.begin() + stamp.first, stamp.length, expected.begin() + stamp.first);
  EXPECT_EQ(radio, expected);
}

TEST_F(CliRadio, WriteRefusesDataWithFindingsBeforeTouchingAPort) {
  RadioDataContainer container;
  container.clearRecords();
  container.resetToDefaults();
  container.channels()[0].record().bytes[ChannelRecord::kPersonality] = 7;  // no such personality
  container.encode();
  FileBuilder()
      .standard(test::SampleHeader(), Bytes(container.image().begin(), container.image().end()))
      .writeTo(file("bad.dat"));
  const CliResult r = run({"write", "--port", "/dev/vex-no-such-port", file("bad.dat")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find(message(text::kMsgDataInvalid)), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find(message(text::kMsgNoRadio)), std::string::npos) << r.err;

  const CliResult missing = run({"write", "--port", "/dev/vex-no-such-port", file("absent.dat")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find(message(text::kMsgFileInvalid)), std::string::npos) << missing.err;
}

TEST_F(CliRadio, PortsListsSixteenPortsWithTheirDevices) {
  SimProcess sim({});
  ASSERT_FALSE(sim.device().empty());
  mapPort("COM2=" + sim.device() + "\nCOM3=/dev/vex-no-such-port\n");
  const CliResult r = run({"ports"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 16) << r.out;
  EXPECT_EQ(r.out.rfind("COM1 ", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("COM2   " + sim.device()), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("COM3   /dev/vex-no-such-port"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("COM16 "), std::string::npos) << r.out;
  const auto line = [&](int port) {
    const std::size_t at = r.out.find("COM" + std::to_string(port) + " ");
    return r.out.substr(at, r.out.find('\n', at) - at);
  };
  EXPECT_NE(line(2).find("available"), std::string::npos) << line(2);
  EXPECT_NE(line(3).find("cannot be opened"), std::string::npos) << line(3);
}

TEST_F(CliRadio, HelpAndUsageErrorsOfTheRadioCommands) {
  for (const char* command : {"read", "write", "ports"}) {
    const CliResult help = run({command, "--help"});
    EXPECT_EQ(help.exitCode, 0) << command;
    EXPECT_NE(help.out.find(std::string("vexprog-cli ") + command), std::string::npos) << help.out;
  }
  EXPECT_NE(run({"read", "--help"}).out.find("--add-range"), std::string::npos);
  EXPECT_NE(run({"--help"}).out.find("ports"), std::string::npos);

  const std::string out = file("out.dat");
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"read", "--port", "COM17", "-o", out},
                                              {"read", "--port", "COM0", "-o", out},
                                              {"read", "--port", "LPT1", "-o", out},
                                              {"read", "--port", "COM1", "-o", out, "--password", "12ab"},
                                              {"read", "--port", "COM1", "-o", out, "--password", "123456789"},
                                              {"read", "--port", "COM1", "-o", out, "--add-range", "maybe"},
                                              {"read", "--port", "COM1"},
                                              {"write", "--port", "COM1"},
                                              {"ports", "extra"}}) {
    EXPECT_EQ(run(bad).exitCode, 2) << bad[0] << ' ' << bad[bad.size() - 1];
  }
  EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace vex
