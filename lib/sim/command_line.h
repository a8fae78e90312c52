// The simulator's command line.
#pragma once

#include "sim/sim_options.h"

#include <string>
#include <vector>

namespace vex::sim {

struct SimCommandLine {
  SimOptions options;
  std::string imagePath;  // start image; "" for the default data
  std::string savePath;   // memory saved here at exit; "" for none
  bool help = false;
  bool version = false;  // --version without a value: print the program's version
};

// False with `error` set on an unknown option or a bad value.
bool ParseCommandLine(const std::vector<std::string>& args, SimCommandLine& out, std::string& error);
std::string CommandLineHelp();

}  // namespace vex::sim
