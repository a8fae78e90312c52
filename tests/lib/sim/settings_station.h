// A simulated radio on a pseudo-terminal with a data directory of its own:
// the shipped catalogue and language files, and a Settings.ini whose COM4 is
// the radio's terminal (every other port leads nowhere).
#pragma once

#include "sim/pty_host.h"
#include "sim/simulated_radio.h"
#include "sim_timing.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace vex::test {

struct SettingsStation {
  explicit SettingsStation(sim::SimOptions options) : radio(std::move(options)), pty(radio) {
    namespace fs = std::filesystem;
    EXPECT_TRUE(pty.Start());
    dir = fs::temp_directory_path() / ("vexlink-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    for (const char* name : {"Model.dat", "VEX_E.lng", "VEX_S.lng", "volume.ini"})
      fs::copy_file(fs::path(VEX_DATA_DIR) / name, dir / name, fs::copy_options::overwrite_existing);
    std::ofstream settings(dir / "Settings.ini");
    settings << "[Setting]\nComPort=4\nModelName=Vex M1\nModelID=VEXM1\nFreqRange=446-446\n\n[Ports]\nCOM4="
             << pty.SlavePath() << "\n";
    for (int n = 1; n <= 16; ++n) {
      if (n != 4) settings << "COM" << n << "=/nonexistent/tty\n";
    }
  }
  ~SettingsStation() { std::filesystem::remove_all(dir); }

  sim::SimulatedRadio radio;
  sim::PtyHost pty;
  std::filesystem::path dir;
};

}  // namespace vex::test
