// The programming station against simulated radios plugged into a watched
// directory as links to their pseudo-terminals.
#include "cli_process.h"
#include "radio_fixture.h"

#include <nlohmann/json.hpp>

#include <map>
#include <memory>

namespace vex {
namespace {

using test::Bytes;
using test::CliProcess;
using test::HoldsTheWrite;
using test::ImageOf;
using test::SimProcess;

class CliStation : public test::CliRadio {
 protected:
  CliStation() { std::filesystem::create_directory(watched()); }

  std::string watched() const { return file("by-id"); }
  std::string saved(const std::string& name) const { return file(name + ".bin"); }
  // A radio of the file's model, not yet plugged in, saving its memory at the end.
  SimProcess& radio(const std::string& name, std::vector<std::string> extra = {}) {
    std::vector<std::string> options{"--model-name", "VX-446", "--save", saved(name)};
    options.insert(options.end(), extra.begin(), extra.end());
    auto& sim = radios[name] = std::make_unique<SimProcess>(options);
    EXPECT_FALSE(sim->device().empty());
    return *sim;
  }
  void plugIn(const std::string& name) {
    std::filesystem::create_symlink(radios.at(name)->device(), watched() + "/" + name);
  }
  void unplug(const std::string& name) { std::filesystem::remove(watched() + "/" + name); }
  Bytes memoryOf(const std::string& name) {
    EXPECT_TRUE(radios.at(name)->stop());
    return test::ReadBytes(saved(name));
  }

  std::unique_ptr<CliProcess> station(std::vector<std::string> args) {
    args.insert(args.begin(), {"station", "--watch", watched(), "--reply-timeout", std::to_string(replyTimeoutMs)});
    return std::make_unique<CliProcess>(args, data.string(), file("station.err"));
  }
  std::vector<nlohmann::json> log() const {
    std::vector<nlohmann::json> lines;
    std::istringstream in(test::Slurp(file("log.jsonl")));
    for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
    return lines;
  }

  std::map<std::string, std::unique_ptr<SimProcess>> radios;
};

TEST_F(CliStation, RadiosPluggedInOneAfterAnotherAreEachWrittenVerifiedAndLogged) {
  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  const std::vector<std::string> names{"usb-radio-1", "usb-radio-2", "usb-radio-3"};
  for (const std::string& name : names) radio(name, {"--serial-number", "SN-" + name.substr(10)});
  auto run = station({codeplug, "--verify", "--count", "4", "--log", file("log.jsonl")});
  for (const std::string& name : names) {
    plugIn(name);
    const std::string line = run->lineWith(name + ":");
    EXPECT_NE(line.find(": VX-446, serial SN-" + name.substr(10) + ": written and verified ("), std::string::npos)
        << line << run->err();
  }
  // Plugged out and in again: programmed again.
  unplug(names[0]);
  plugIn(names[0]);
  EXPECT_NE(run->lineWith(names[0] + ":").find("written and verified"), std::string::npos) << run->err();
  EXPECT_EQ(run->finish(), 0) << run->err();
  EXPECT_EQ(run->lines().back(), "4 of 4 radios programmed");

  const auto lines = log();
  ASSERT_EQ(lines.size(), 4u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& name = names[i % 3];
    EXPECT_EQ(lines[i]["device"], watched() + "/" + name);
    EXPECT_EQ(lines[i]["port"], radios.at(name)->device());
    EXPECT_EQ(lines[i]["sequence"], i + 1);
    EXPECT_EQ(lines[i]["model"], "VX-446");
    EXPECT_EQ(lines[i]["firmware"], "1.03.11");
    EXPECT_EQ(lines[i]["serial_number"], "SN-" + name.substr(10));
    EXPECT_EQ(lines[i]["verify"], "same");
    EXPECT_EQ(lines[i]["result"], "ok");
    EXPECT_TRUE(lines[i]["error"].is_null());
    EXPECT_EQ(lines[i]["sha256"].get<std::string>().size(), 64u);
    EXPECT_EQ(lines[i]["sha256"], lines[0]["sha256"]);  // the same data
  }
  for (const std::string& name : names) EXPECT_TRUE(HoldsTheWrite(memoryOf(name), ImageOf(codeplug))) << name;
}

TEST_F(CliStation, RadiosPluggedInTogetherAreProgrammedTogetherAndOneLostMidWriteIsNamed) {
  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  replyTimeoutMs = 100;  // the lost radio is waited for block after block
  radio("a", {"--serial-number", "SN-A"});
  radio("b");
  radio("lost", {"--silent-after", "60"});  // about a third of the write
  for (const char* name : {"a", "b", "lost"}) plugIn(name);
  auto run = station({codeplug, "--count", "3", "--log", file("log.jsonl")});
  std::map<std::string, std::string> results;
  for (int i = 0; i < 3; ++i) {
    const std::string line = run->nextLine();
    results[line.substr(watched().size() + 1, line.find(':') - watched().size() - 1)] = line;
  }
  EXPECT_EQ(run->finish(), 1);
  // Without a backup or verify read, a short read after the write tells the serial number.
  EXPECT_NE(results["a"].find(", serial SN-A: written ("), std::string::npos) << results["a"];
  EXPECT_NE(results["b"].find("written ("), std::string::npos) << results["b"];
  EXPECT_NE(results["lost"].find("FAILED: "), std::string::npos) << results["lost"];
  EXPECT_NE(results["lost"].find("the radio holds partly new data"), std::string::npos) << results["lost"];
  EXPECT_EQ(run->lines().back(), "2 of 3 radios programmed");
  EXPECT_TRUE(HoldsTheWrite(memoryOf("a"), ImageOf(codeplug)));
  EXPECT_TRUE(HoldsTheWrite(memoryOf("b"), ImageOf(codeplug)));
  const auto lines = log();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l["result"] == "failed"; }), 1);
}

TEST_F(CliStation, RefusesARadioOfAnotherModelAndCatchesAWriteTheRadioDidNotKeep) {
  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  Bytes other = ImageOf(codeplug);
  other[layout::kChannelArea.offsetOf(0) + 4] ^= 0x11;
  test::WriteBytes(file("other.bin"), other);
  radio("other", {"--model-name", "VX-999", "--image", file("other.bin")});
  radio("failing", {"--corrupt-address", "254"});
  auto run = station({codeplug, "--verify", "--count", "2", "--log", file("log.jsonl")});
  plugIn("other");
  const std::string refused = run->lineWith("other:");
  EXPECT_NE(refused.find("FAILED: the radio is model ID VEXM1, model name \"VX-999\""), std::string::npos) << refused;
  EXPECT_NE(refused.find("nothing was written"), std::string::npos) << refused;
  plugIn("failing");
  const std::string failing = run->lineWith("failing:");
  EXPECT_NE(failing.find("FAILED: the radio holds other bytes than were written, from address 254"), std::string::npos)
      << failing;
  EXPECT_EQ(run->finish(), 1);
  EXPECT_EQ(memoryOf("other"), other);
  const auto lines = log();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]["written"], false);
  EXPECT_TRUE(lines[0]["sha256"].is_null());
  EXPECT_EQ(lines[1]["written"], true);
  EXPECT_EQ(lines[1]["verify"], "different");
  // A radio that failed gives its number to the next one.
  EXPECT_EQ(lines[1]["sequence"], 1);
}

TEST_F(CliStation, APlanGivesEachRadioItsOwnValuesCheckedBeforeTheFirstIsWritten) {
  codeplugWithPasswords("fleet.dat", "");
  std::ofstream(file("plan.yaml")) << "base: fleet.dat\n"
                                      "counters:\n  atis: {start: 1001, width: 12}\n"
                                      "every: |\n  settings:\n    atis:\n      atis_code: \"{atis}\"\n"
                                      "radios:\n"
                                      "  - number: 2\n    text: |\n      settings:\n        embedded:\n"
                                      "          message_1: \"Radio {n}\"\n"
                                      "  - serial: SN-42\n    text: |\n      settings:\n        embedded:\n"
                                      "          message_1: \"Boss {serial}\"\n";
  // What each radio should hold, made by apply from the same values.
  const auto expected = [&](const std::string& name, const std::string& text) {
    std::ofstream(file(name + ".yaml")) << text;
    EXPECT_EQ(run({"apply", file(name + ".yaml"), "--base", file("fleet.dat"), "-o", file(name + ".dat")}).exitCode, 0);
    return ImageOf(file(name + ".dat"));
  };
  const Bytes first = expected("first", "settings:\n  atis:\n    atis_code: \"000000001001\"\n");
  const Bytes second = expected("second",
                                "settings:\n  atis:\n    atis_code: \"000000001002\"\n  embedded:\n    message_1: "
                                "\"Radio 2\"\n");
  const Bytes boss = expected("boss",
                              "settings:\n  atis:\n    atis_code: \"000000001003\"\n  embedded:\n    message_1: "
                              "\"Boss SN-42\"\n");

  radio("one", {"--serial-number", "SN-1"});
  radio("two", {"--serial-number", "SN-2"});
  radio("boss", {"--serial-number", "SN-42"});
  auto runPlan = station({file("plan.yaml"), "--count", "3"});
  for (const char* name : {"one", "two", "boss"}) {
    plugIn(name);
    EXPECT_NE(runPlan->lineWith(std::string(name) + ":").find("written"), std::string::npos) << runPlan->err();
  }
  EXPECT_EQ(runPlan->finish(), 0) << runPlan->err();
  EXPECT_TRUE(HoldsTheWrite(memoryOf("one"), first));
  EXPECT_TRUE(HoldsTheWrite(memoryOf("two"), second));
  EXPECT_TRUE(HoldsTheWrite(memoryOf("boss"), boss));

  // A counter that outgrows its field by radio 3 refuses the plan before any radio.
  std::ofstream(file("plan.yaml"), std::ios::app) << "  - number: 3\n    text: |\n      settings:\n        atis:\n"
                                                     "          atis_code: \"{atis}0\"\n";
  radio("untouched");
  plugIn("untouched");
  const auto refused = station({file("plan.yaml"), "--count", "1"});
  EXPECT_EQ(refused->finish(), 1);
  EXPECT_NE(refused->err().find("plan.yaml:23:22: settings.atis.atis_code: 0000000010030 is not accepted"),
            std::string::npos)
      << refused->err();
  EXPECT_NE(refused->err().find("no radio was written"), std::string::npos);
  EXPECT_TRUE(refused->lines().empty());
}

}  // namespace
}  // namespace vex
