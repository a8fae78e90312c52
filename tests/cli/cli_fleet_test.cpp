// Several radios at once, and verify: write and read with repeated --port
// against four simulated radios, and the comparison of a radio with a file.
#include "radio_fixture.h"

#include "base/text_ids.h"
#include "core/image_layout.h"
#include "link/transfer_plan.h"

#include <nlohmann/json.hpp>

#include <memory>

namespace vex {
namespace {

using test::Bytes;
using test::CliResult;
using test::HoldsTheWrite;
using test::ImageOf;
using test::SimProcess;

class CliFleet : public test::CliRadio {
 protected:
  // Radios named as the test file's header expects; each saves its memory.
  void startRadios(std::size_t count, std::vector<std::string> extra = {}) {
    for (std::size_t i = 0; i < count; ++i) {
      std::vector<std::string> options{"--model-name", "VX-446", "--save", saved(i)};
      options.insert(options.end(), extra.begin(), extra.end());
      radios.push_back(std::make_unique<SimProcess>(options));
      ASSERT_FALSE(radios.back()->device().empty());
    }
  }
  std::string saved(std::size_t i) const { return file("radio" + std::to_string(i) + ".bin"); }
  std::vector<std::string> portArgs() const {
    std::vector<std::string> args;
    for (const auto& radio : radios) {
      args.push_back("--port");
      args.push_back(radio->device());
    }
    return args;
  }

  std::vector<std::unique_ptr<SimProcess>> radios;
};

TEST_F(CliFleet, WriteProgramsFourRadiosAtOnceAndReadBacksOnePerRadio) {
  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  startRadios(4);
  std::vector<std::string> args{"write", codeplug};
  const auto ports = portArgs();
  args.insert(args.end(), ports.begin(), ports.end());
  const CliResult written = run(args);
  ASSERT_EQ(written.exitCode, 0) << written.err;
  EXPECT_NE(written.out.find("4 of 4 radios written"), std::string::npos) << written.out;

  std::vector<std::string> readArgs{"read", "-o", file("backup.dat"), "--model-name", "VX-446"};
  readArgs.insert(readArgs.end(), ports.begin(), ports.end());
  const CliResult read = run(readArgs);
  ASSERT_EQ(read.exitCode, 0) << read.err;
  for (std::size_t i = 0; i < radios.size(); ++i) {
    std::string name = radios[i]->device().substr(5);  // "pts/3" -> "pts-3"
    std::replace(name.begin(), name.end(), '/', '-');
    const Bytes backup = ImageOf(file("backup-" + name + ".dat"));
    ASSERT_TRUE(radios[i]->stop());
    EXPECT_EQ(backup, test::ReadBytes(saved(i))) << i;
    EXPECT_TRUE(HoldsTheWrite(backup, ImageOf(codeplug))) << i;
  }
}

TEST_F(CliFleet, OneFailingRadioFailsTheRunAndIsNamed) {
  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  startRadios(2);
  SimProcess silent({"--silent-after", "0"});
  ASSERT_FALSE(silent.device().empty());
  // The silent radio is greeted thirty times, each waiting out a time-out.
  replyTimeoutMs = 150;
  std::vector<std::string> args{"write", codeplug, "--port", silent.device()};
  const auto ports = portArgs();
  args.insert(args.end(), ports.begin(), ports.end());
  const CliResult r = run(args);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.out.find("2 of 3 radios written"), std::string::npos) << r.out;
  EXPECT_NE(r.err.find(silent.device() + ": failed"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(silent.device() + ": " + message(text::kMsgNoRadio)), std::string::npos) << r.err;
  for (std::size_t i = 0; i < radios.size(); ++i) {
    ASSERT_TRUE(radios[i]->stop());
    EXPECT_TRUE(HoldsTheWrite(test::ReadBytes(saved(i)), ImageOf(codeplug))) << i;
  }
}

TEST_F(CliFleet, VerifyFindsTheRadioEqualAfterAWriteAndNamesTheFieldsThatDiffer) {
  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  startRadios(1);
  const std::string port = radios[0]->device();
  ASSERT_EQ(run({"write", "--port", port, codeplug}).exitCode, 0);

  const CliResult same = run({"verify", "--port", port, codeplug});
  EXPECT_EQ(same.exitCode, 0) << same.err << same.out;

  // The same file with channel 3 on another frequency.
  Bytes image = ImageOf(codeplug);
  const std::size_t rx = layout::kChannelArea.offsetOf(2) + 4;
  image[rx + 3] ^= 0x25;  // still a valid BCD digit pair
  test::FileBuilder().standard(test::SampleHeader(), image).writeTo(file("changed.dat"));
  const CliResult different = run({"verify", "--port", port, file("changed.dat"), "--json"});
  EXPECT_EQ(different.exitCode, 1) << different.err;
  const auto json = nlohmann::json::parse(different.out);
  EXPECT_EQ(json["same"], false);
  ASSERT_EQ(json["fields"].size(), 1u) << different.out;
  EXPECT_EQ(json["fields"][0]["record"], "channel 3");
  EXPECT_EQ(json["fields"][0]["field"], "rx_frequency");
  EXPECT_EQ(json["fields"][0]["a"], "446.03100");  // the file's
  EXPECT_EQ(json["fields"][0]["b"], "446.03125");  // the radio's
  ASSERT_EQ(json["addresses"].size(), 1u);
  EXPECT_EQ(json["addresses"][0]["first"], rx + 3);
  EXPECT_EQ(json["addresses"][0]["last"], rx + 3);

  const CliResult text = run({"verify", "--port", port, file("changed.dat")});
  EXPECT_NE(text.out.find("channels[3].rx_frequency: 446.03100 -> 446.03125"), std::string::npos) << text.out;
  // A radio that cannot be read is trouble, not a difference.
  EXPECT_EQ(run({"verify", "--port", "/dev/vex-no-such-port", codeplug}).exitCode, 2);
}

}  // namespace
}  // namespace vex
