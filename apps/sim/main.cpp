// vexprog-sim: a simulated radio on a pseudo-terminal. Prints the terminal's
// path as the first line, answers until SIGINT or SIGTERM, then optionally
// saves its memory.
#include "link/timing_from_environment.h"
#include "sim/command_line.h"
#include "sim/image_file.h"
#include "sim/pty_host.h"
#include "sim/simulated_radio.h"

#include <csignal>
#include <cstdio>
#include <iostream>

int main(int argc, char** argv) {
  using namespace vex::sim;
  SimCommandLine cmd;
  std::string error;
  if (!ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), cmd, error)) {
    std::cerr << "vexprog-sim: " << error << "\n" << CommandLineHelp();
    return 2;
  }
  if (cmd.help) {
    std::cout << CommandLineHelp();
    return 0;
  }
  if (cmd.version) {
    std::cout << "vexprog-sim " VEX_VERSION "\n";
    return 0;
  }

  // Block the stop signals before any thread starts so that every thread
  // inherits the mask and only sigwait below receives them.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  // Tests that ask the programs for quick link timing want the replies at once.
  if (vex::QuickLinkTimingRequested()) cmd.options.paced = false;
  SimulatedRadio radio(cmd.options);
  if (!cmd.imagePath.empty()) {
    Image image{};
    if (!LoadImageFile(cmd.imagePath, image, error)) {
      std::cerr << "vexprog-sim: " << error << "\n";
      return 1;
    }
    radio.SetMemory(image);
  }
  PtyHost host(radio);
  if (!host.Start()) {
    std::cerr << "vexprog-sim: cannot create a pseudo-terminal\n";
    return 1;
  }
  std::cout << host.SlavePath() << std::endl;

  int signal = 0;
  sigwait(&stopSignals, &signal);
  host.Stop();
  if (!cmd.savePath.empty() && !SaveImageFile(cmd.savePath, radio.Memory(), error)) {
    std::cerr << "vexprog-sim: " << error << "\n";
    return 1;
  }
  return 0;
}
