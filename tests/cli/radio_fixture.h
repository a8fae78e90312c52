// The fixture of the tests that run vexprog-cli against vexprog-sim on
// pseudo-terminals. Every test works on a copy
// of the data directory so that Settings.ini and Model.dat changes stay there.
#pragma once

#include "../lib/core/codeplug_test_support.h"
#include "cli_runner.h"
#include "sim_process.h"

#include "config/language_texts.h"
#include "core/codeplug_reader.h"
#include "core/container.h"
#include "link/timing_from_environment.h"
#include "link/transfer_plan.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace vex::test {

using Bytes = std::vector<std::uint8_t>;

class CliRadio : public ::testing::Test {
 protected:
  CliRadio() {
    std::filesystem::copy(BuildDataDir(), data, std::filesystem::copy_options::recursive);
    // Keeps a user's own settings copy out of the way.
    ::setenv("XDG_CONFIG_HOME", dir.file("config").c_str(), 1);
    ::unsetenv("VEXPROG_PASSWORD");
    // The programs skip the cable's pauses and the simulator sends its replies
    // at once; a test of the timing itself calls atWireSpeed() first.
    ::setenv(kLinkTimingVariable, "quick", 1);
  }

  // The real pauses and a paced simulator for the simulators started after.
  void atWireSpeed() { ::unsetenv(kLinkTimingVariable); }

  // Radio commands wait up to a second for each reply, so that a simulator
  // starved of the processor for a moment on a busy machine is not taken for
  // a lost reply; tests of how long failing takes set realTimeouts, and
  // tests that also talk to a silent radio wait less (replyTimeoutMs).
  CliResult run(std::vector<std::string> args) {
    const bool radioCommand = !args.empty() && (args[0] == "read" || args[0] == "write" || args[0] == "verify");
    if (radioCommand && !realTimeouts)
      args.insert(args.begin() + 1, {"--reply-timeout", std::to_string(replyTimeoutMs)});
    return RunCli(args, dir.path().string(), data.string());
  }
  std::string file(const std::string& name) const { return dir.file(name); }
  std::string settings() const { return Slurp((data / "Settings.ini").string()); }
  std::string catalogue() const { return Slurp((data / "Model.dat").string()); }
  void mapPort(const std::string& lines) {
    std::ofstream(data / "Settings.ini", std::ios::app) << "\n[Ports]\n" << lines;
  }

  std::string message(int id) const { return LanguageTexts(data / "VEX_E.lng").messageText(id); }
  std::string label(int id) const { return LanguageTexts(data / "VEX_E.lng").labelText(id); }

  // A codeplug file of the default data (model VX-446, range 446-446) with
  // the read password set as given.
  std::string codeplugWithPasswords(const std::string& name, const std::string& readPassword) {
    RadioDataContainer container;
    container.clearRecords();
    container.resetToDefaults();
    container.passwords().setText(PasswordSection::kRead, readPassword);
    container.passwords().storeTexts();
    container.encode();
    FileBuilder()
        .standard(SampleHeader(), Bytes(container.image().begin(), container.image().end()))
        .writeTo(file(name));
    return file(name);
  }

  bool realTimeouts = false;
  int replyTimeoutMs = 1000;
  ScratchDir dir;
  std::filesystem::path data = dir.path() / "data";
};

inline Bytes ImageOf(const std::string& codeplugFile) {
  Bytes image(8192, 0);
  LoadedCounts counts;
  EXPECT_TRUE(LoadCodeplugFile(codeplugFile, {}, image, counts)) << codeplugFile;
  return image;
}

// The bytes a write of `codeplug` leaves in a radio's memory, apart from
// the programming time stamp.
inline bool HoldsTheWrite(const Bytes& radio, const Bytes& codeplug) {
  if (radio.size() != codeplug.size()) return false;
  for (const TransferBlock& b : WritePlan(false)) {
    if (!std::equal(codeplug.begin() + b.address, codeplug.begin() + b.address + b.length, radio.begin() + b.address))
      return false;
  }
  return true;
}

// Lines of a protocol trace that carry a request with this command and
// sub-command letter.
inline std::size_t TracedRequests(const std::string& trace, const std::string& hexCommand) {
  std::size_t count = 0;
  for (std::size_t at = trace.find("> 02 " + hexCommand); at != std::string::npos;
       at = trace.find("> 02 " + hexCommand, at + 1))
    ++count;
  return count;
}

}  // namespace vex::test
