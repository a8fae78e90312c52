// read, write, ports and detect of vexprog-cli against vexprog-sim.
#include "radio_fixture.h"

#include "base/text_ids.h"
#include "core/image_layout.h"
#include "link/serial_port.h"
#include "link/transfer_plan.h"

#include <nlohmann/json.hpp>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <random>

namespace vex {
namespace {

using test::Bytes;
using test::CliResult;
using test::ImageOf;
using test::SimProcess;
using test::Slurp;

class CliRead : public test::CliRadio {};
class CliWrite : public test::CliRadio {};
class CliPorts : public test::CliRadio {};

TEST_F(CliRead, BackupHoldsEveryByteEvenOfFaultyDataAndLeavesTheSettingsAlone) {
  // Random bytes: the data decodes with faults that validation reports.
  Bytes memory(8192);
  std::mt19937 rng(11);
  for (auto& b : memory) b = static_cast<std::uint8_t>(rng());
  test::WriteBytes(file("random.bin"), memory);
  SimProcess sim({"--image", file("random.bin"), "--band", "430-440"});
  ASSERT_FALSE(sim.device().empty());
  mapPort("COM7=" + sim.device() + "\n");
  const std::string settingsBefore = settings();
  const std::string catalogueBefore = catalogue();

  const CliResult r = run({"read", "--port", "COM7", "-o", file("radio.dat"), "--trace", file("trace.txt")});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find(message(text::kMsgReadDone)), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("warning"), std::string::npos) << r.err;
  EXPECT_EQ(ImageOf(file("radio.dat")), memory);
  // The header comes from the radio's identity.
  const auto info = nlohmann::json::parse(run({"info", file("radio.dat"), "--json"}).out);
  EXPECT_EQ(info["model_id"], "VEXM1");
  EXPECT_EQ(info["range"], "430-440");

  // Settings.ini and Model.dat are as they were: no port, model or range
  // remembered, no band added, without --remember and --add-range.
  EXPECT_EQ(settings(), settingsBefore);
  EXPECT_EQ(catalogue(), catalogueBefore);

  // The trace holds every frame with a time stamp: 256 block requests, each
  // answered with 32 data bytes and 11 bytes of frame.
  const std::string trace = Slurp(file("trace.txt"));
  EXPECT_EQ(test::TracedRequests(trace, "45 62"), 256u);
  EXPECT_NE(trace.find(sim.device() + " < 02 41 61 50 61 03"), std::string::npos);  // the greeting's answer
  EXPECT_EQ(trace.rfind("0.", 0), 0u);
}

TEST_F(CliRead, RememberKeepsThePortAndRangeAndAddRangeTheBand) {
  const std::string start = codeplugWithPasswords("start.dat", "4321");
  SimProcess sim({"--image", start, "--band", "430-440", "--read-password", "1234"});
  ASSERT_FALSE(sim.device().empty());
  mapPort("COM7=" + sim.device() + "\n");

  const CliResult r = run(
      {"read", "--port", "COM7", "-o", file("radio.dat"), "--password", "1234", "--add-range", "yes", "--remember"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(r.err.empty()) << r.err;  // no progress lines without --verbose, no faults
  EXPECT_EQ(ImageOf(file("radio.dat")), ImageOf(start));
  EXPECT_NE(settings().find("ComPort=7"), std::string::npos) << settings();
  EXPECT_NE(settings().find("FreqRange=430-440"), std::string::npos) << settings();
  EXPECT_NE(catalogue().find("430, 440"), std::string::npos) << catalogue();
}

TEST_F(CliRead, RetriedReplyOldFirmwareAndReadPasswordStillGiveTheRadiosBytes) {
  const std::string start = codeplugWithPasswords("start.dat", "4321");
  // A lost reply in the middle of the blocks, retried by the link.
  SimProcess lossy({"--image", start, "--no-reply", "40", "--read-password", "1234"});
  // Old firmware asks for a password it does not need: none is sent.
  SimProcess old({"--image", start, "--version", "1.01.05", "--read-password", "1234"});
  ASSERT_FALSE(lossy.device().empty());
  ASSERT_FALSE(old.device().empty());

  ::setenv("VEXPROG_PASSWORD", "1234", 1);
  const CliResult a = run({"read", "--port", lossy.device(), "-o", file("lossy.dat")});
  ::unsetenv("VEXPROG_PASSWORD");
  ASSERT_EQ(a.exitCode, 0) << a.err;
  EXPECT_EQ(ImageOf(file("lossy.dat")), ImageOf(start));

  const CliResult b = run({"read", "--port", old.device(), "-o", file("old.dat"), "--trace", file("old.trace")});
  ASSERT_EQ(b.exitCode, 0) << b.err;
  EXPECT_EQ(ImageOf(file("old.dat")), ImageOf(start));
  EXPECT_EQ(test::TracedRequests(Slurp(file("old.trace")), "57 62"), 0u);
  const auto info = nlohmann::json::parse(run({"info", file("old.dat"), "--json"}).out);
  EXPECT_EQ(info["version_b"], "1.01.05");  // the radio's version is kept
}

TEST_F(CliRead, WrongPasswordIsSentOnceAndNamesThePasswordWanted) {
  SimProcess sim({"--band", "430-440", "--read-password", "1234"});
  ASSERT_FALSE(sim.device().empty());
  const std::string settingsBefore = settings();

  const CliResult wrong =
      run({"read", "--port", sim.device(), "-o", file("out.dat"), "--password", "9999", "--trace", file("trace.txt")});
  EXPECT_EQ(wrong.exitCode, 1);
  EXPECT_NE(wrong.err.find(message(text::kMsgWrongPassword)), std::string::npos) << wrong.err;
  EXPECT_NE(wrong.err.find("read password"), std::string::npos) << wrong.err;
  EXPECT_EQ(test::TracedRequests(Slurp(file("trace.txt")), "57 62"), 1u);

  const CliResult none = run({"read", "--port", sim.device(), "-o", file("out.dat"), "--verbose"});
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_NE(none.err.find("--password"), std::string::npos) << none.err;
  EXPECT_NE(none.err.find("read password"), std::string::npos) << none.err;

  EXPECT_FALSE(std::filesystem::exists(file("out.dat")));
  EXPECT_EQ(settings(), settingsBefore);
}

TEST_F(CliRead, UnwritableOutputIsRefusedBeforeTheRadioIsTouched) {
  SimProcess sim({});
  ASSERT_FALSE(sim.device().empty());
  const CliResult r =
      run({"read", "--port", sim.device(), "-o", file("no/such/dir/x.dat"), "--trace", file("trace.txt")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find(message(text::kMsgFileNotWritten)), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("No such file or directory"), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(file("trace.txt")));
}

TEST_F(CliRead, AnotherNameOfTheModelIsRefusedAsTheDesktopDoesAndSaysWhy) {
  // The catalogue lists "Vex M1 Pro" under VEXM1; the settings hold "Vex M1".
  SimProcess sim({"--model-name", "Vex M1 Pro"});
  ASSERT_FALSE(sim.device().empty());
  const CliResult refused = run({"read", "--port", sim.device(), "-o", file("a.dat")});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find(message(text::kMsgModelMismatch)), std::string::npos) << refused.err;
  EXPECT_NE(refused.err.find("\"Vex M1 Pro\""), std::string::npos) << refused.err;
  EXPECT_NE(refused.err.find("--model-name"), std::string::npos) << refused.err;

  const CliResult named = run({"read", "--port", sim.device(), "-o", file("a.dat"), "--model-name", "Vex M1 Pro"});
  EXPECT_EQ(named.exitCode, 0) << named.err;
}

TEST_F(CliRead, SilentRadioEndsWith1143InBoundedTime) {
  SimProcess sim({"--silent-after", "0"});
  ASSERT_FALSE(sim.device().empty());
  const std::string settingsBefore = settings();
  realTimeouts = true;
  const auto began = std::chrono::steady_clock::now();
  const CliResult r = run({"read", "--port", sim.device(), "-o", file("out.dat")});
  EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(10));
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find(message(text::kMsgNoRadio)), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(file("out.dat")));
  EXPECT_EQ(settings(), settingsBefore);
}

TEST_F(CliWrite, LandsInTheRadiosMemoryOverTheWrittenRanges) {
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

TEST_F(CliWrite, ANamedPortIsTriedAloneAndNotRemembered) {
  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  test::WriteBytes(file("start.bin"), Bytes(8192, 0x5A));
  SimProcess other({"--image", file("start.bin"), "--save", file("other.bin"), "--model-name", "VX-446"});
  SimProcess silent({"--silent-after", "0"});
  ASSERT_FALSE(other.device().empty());
  ASSERT_FALSE(silent.device().empty());
  mapPort("COM2=" + other.device() + "\nCOM3=" + silent.device() + "\n");
  const std::string settingsBefore = settings();
  realTimeouts = true;  // only the silent radio is talked to

  const CliResult r = run({"write", "--port", "COM3", codeplug});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find(message(text::kMsgNoRadio)), std::string::npos) << r.err;
  ASSERT_TRUE(other.stop());
  EXPECT_EQ(test::ReadBytes(file("other.bin")), Bytes(8192, 0x5A));
  EXPECT_EQ(settings(), settingsBefore);
}

TEST_F(CliWrite, FailureAfterTheFirstBlockSaysTheRadioHoldsPartlyNewData) {
  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  // Greeting, four identity items, mode: then 20 blocks and silence.
  SimProcess sim({"--model-name", "VX-446", "--silent-after", "26"});
  ASSERT_FALSE(sim.device().empty());
  const CliResult r = run({"write", "--port", sim.device(), codeplug});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find(message(text::kMsgWritePartial)), std::string::npos) << r.err;
}

TEST_F(CliWrite, BackupKeepsTheRadiosMemoryAsItWasAndAFailedBackupWritesNothing) {
  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  Bytes memory(8192);
  std::mt19937 rng(5);
  for (auto& b : memory) b = static_cast<std::uint8_t>(rng());
  test::WriteBytes(file("start.bin"), memory);
  SimProcess sim({"--image", file("start.bin"), "--save", file("end.bin"), "--model-name", "VX-446"});
  ASSERT_FALSE(sim.device().empty());

  // A backup place that cannot be a directory: the radio is not touched.
  test::WriteBytes(file("plain"), Bytes(1, 0));
  const CliResult refused = run({"write", "--port", sim.device(), "--backup", file("plain/sub"), codeplug});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("nothing was written"), std::string::npos) << refused.err;

  const CliResult r = run({"write", "--port", sim.device(), "--backup", file("backups"), codeplug});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  ASSERT_TRUE(sim.stop());
  std::vector<std::filesystem::path> backups;
  for (const auto& entry : std::filesystem::directory_iterator(file("backups"))) backups.push_back(entry.path());
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_EQ(backups[0].filename().string().rfind("VX-446-", 0), 0u) << backups[0];
  EXPECT_NE(r.out.find("backup " + backups[0].string()), std::string::npos) << r.out;
  // The backup holds the radio's memory before the write, byte for byte;
  // the radio now holds the file's data.
  EXPECT_EQ(ImageOf(backups[0].string()), memory);
  const Bytes radio = test::ReadBytes(file("end.bin"));
  EXPECT_NE(radio, memory);
  const TransferBlock first = WritePlan(false).front();
  const Bytes written = ImageOf(codeplug);
  EXPECT_TRUE(std::equal(written.begin() + first.address, written.begin() + first.address + first.length,
                         radio.begin() + first.address));
}

TEST_F(CliWrite, RefusesDataWithFindingsBeforeTouchingAPort) {
  RadioDataContainer container;
  container.clearRecords();
  container.resetToDefaults();
  container.channels()[0].record().setPersonalityIndex(7);  // no such personality
  container.encode();
  test::FileBuilder()
      .standard(test::SampleHeader(), Bytes(container.image().begin(), container.image().end()))
      .writeTo(file("bad.dat"));
  const CliResult r = run({"write", "--port", "/dev/vex-no-such-port", file("bad.dat")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find(message(text::kMsgDataInvalidListed)), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find(message(text::kMsgNoRadio)), std::string::npos) << r.err;

  const CliResult missing = run({"write", "--port", "/dev/vex-no-such-port", file("absent.dat")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("No such file (" + file("absent.dat") + ")"), std::string::npos) << missing.err;
}

TEST_F(CliPorts, PortErrorsSayWhyTheyCannotBeUsed) {
  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  const CliResult missing = run({"write", "--port", "/dev/vex-no-such-port", codeplug});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("/dev/vex-no-such-port"), std::string::npos) << missing.err;
  EXPECT_EQ(missing.err.find(message(text::kMsgNoRadio)), std::string::npos) << missing.err;

  const CliResult notTty = run({"write", "--port", "/dev/null", codeplug});
  EXPECT_EQ(notTty.exitCode, 1);
  EXPECT_NE(notTty.err.find("/dev/null is not a serial port"), std::string::npos) << notTty.err;

  const CliResult unmapped = run({"detect", "--port", "COM16"});
  EXPECT_EQ(unmapped.exitCode, 1);
  EXPECT_NE(unmapped.err.find("COM16 stands for no serial device"), std::string::npos) << unmapped.err;

  // A pseudo-terminal the user may not open: the message names the dialout
  // group. As root, the program runs as nobody to meet the refusal.
  SimProcess sim({});
  ASSERT_FALSE(sim.device().empty());
  ::chmod(sim.device().c_str(), ::geteuid() == 0 ? 0600 : 0);
  const std::string launcher = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  ::chmod(dir.path().c_str(), 0755);
  const CliResult denied =
      test::RunCli({"detect", "--port", sim.device()}, dir.path().string(), data.string(), launcher);
  EXPECT_EQ(denied.exitCode, 1);
  EXPECT_NE(denied.err.find("dialout"), std::string::npos) << denied.err;
}

TEST_F(CliPorts, ListsTheDevicesThatExistWithTheirComNumbers) {
  SimProcess sim({});
  SimProcess held({});
  ASSERT_FALSE(sim.device().empty());
  ASSERT_FALSE(held.device().empty());
  mapPort("COM2=" + sim.device() + "\nCOM3=/dev/vex-no-such-port\nCOM4=" + held.device() + "\n");
  CSerialPort holder;
  ASSERT_TRUE(holder.Open(held.device()));

  const CliResult r = run({"ports"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const auto line = [&](const std::string& device) {
    const std::size_t at = r.out.find(device);
    if (at == std::string::npos) return std::string();
    const std::size_t begin = r.out.rfind('\n', at) + 1;
    return r.out.substr(begin, r.out.find('\n', at) - begin);
  };
  EXPECT_EQ(line(sim.device()).rfind("COM2 ", 0), 0u) << r.out;
  EXPECT_NE(line(sim.device()).find("available"), std::string::npos) << r.out;
  EXPECT_NE(line(held.device()).find("busy"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("vex-no-such-port"), std::string::npos) << r.out;

  const auto json = nlohmann::json::parse(run({"ports", "--json"}).out);
  bool found = false;
  for (const auto& port : json["ports"]) {
    if (port["device"] == sim.device()) {
      found = true;
      EXPECT_EQ(port["port"], "COM2");
      EXPECT_EQ(port["available"], true);
    }
  }
  EXPECT_TRUE(found) << json.dump();
}

TEST_F(CliPorts, DetectShowsEveryRadioThatAnswers) {
  SimProcess a({"--band", "430-440", "--firmware-version", "1.03.07"});
  SimProcess b({"--model-name", "Vex M1 Pro", "--band", "136-174"});
  SimProcess silent({"--silent-after", "0"});
  ASSERT_FALSE(a.device().empty());
  ASSERT_FALSE(b.device().empty());
  mapPort("COM2=" + a.device() + "\nCOM3=" + b.device() + "\nCOM4=" + silent.device() + "\n");

  const CliResult all = run({"detect"});
  ASSERT_EQ(all.exitCode, 0) << all.err;
  EXPECT_NE(all.out.find(a.device() + "  model VEXM1  name Vex M1  firmware 1.03.07  band 430-440 MHz"),
            std::string::npos)
      << all.out;
  EXPECT_NE(all.out.find(b.device() + "  model VEXM1  name Vex M1 Pro"), std::string::npos) << all.out;
  EXPECT_EQ(all.out.find(silent.device()), std::string::npos) << all.out;

  const auto one = nlohmann::json::parse(run({"detect", "--port", b.device(), "--json"}).out);
  ASSERT_EQ(one["radios"].size(), 1u);
  EXPECT_EQ(one["radios"][0]["range_low"], 136);
  EXPECT_EQ(one["radios"][0]["firmware"], "1.03.11");
}

TEST_F(CliPorts, HelpAndUsageErrorsOfTheRadioCommands) {
  for (const char* command : {"read", "write", "verify", "detect", "ports"}) {
    const CliResult help = run({command, "--help"});
    EXPECT_EQ(help.exitCode, 0) << command;
    EXPECT_NE(help.out.find(std::string("vexprog-cli ") + command), std::string::npos) << help.out;
  }
  EXPECT_NE(run({"read", "--help"}).out.find("--add-range"), std::string::npos);
  EXPECT_NE(run({"--help"}).out.find("ports"), std::string::npos);
  EXPECT_EQ(run({"--version"}).out.rfind("vexprog-cli ", 0), 0u);

  const CliResult typo = run({"raed", "-o", "x"});
  EXPECT_EQ(typo.exitCode, 2);
  EXPECT_NE(typo.err.find("'read'"), std::string::npos) << typo.err;
  const CliResult optionTypo = run({"read", "--prot", "COM1", "-o", "x"});
  EXPECT_EQ(optionTypo.exitCode, 2);
  EXPECT_NE(optionTypo.err.find("'--port'"), std::string::npos) << optionTypo.err;

  const std::string out = file("out.dat");
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"read", "--port", "COM17", "-o", out},
                                              {"read", "--port", "COM0", "-o", out},
                                              {"read", "--port", "LPT1", "-o", out},
                                              {"read", "--port", "COM1", "-o", out, "--password", "12ab"},
                                              {"read", "--port", "COM1", "-o", out, "--password", "123456789"},
                                              {"read", "--port", "COM1", "-o", out, "--add-range", "maybe"},
                                              {"read", "--port", "COM1", "--port", "COM2", "-o", "-"},
                                              {"read", "--port", "COM1"},
                                              {"write", "--port", "COM1"},
                                              {"verify", "--port", "COM1", "--port", "COM2", "x.dat"},
                                              {"ports", "extra"}}) {
    EXPECT_EQ(run(bad).exitCode, 2) << bad[0] << ' ' << bad[bad.size() - 1];
  }
  EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace vex
