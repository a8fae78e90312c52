// The subcommands of vexprog-cli, each a short function over the library.
#pragma once

#include "cli_args.h"
#include "cli_environment.h"

#include <string_view>
#include <vector>

namespace vex::cli {

struct Command {
  std::string_view name;
  std::string_view arguments;  // e.g. "FILE [--json]"
  std::string_view summary;
  std::vector<OptionSpec> options;
  std::size_t positionals = 0;  // exact number of positional arguments
  int (*run)(Environment& env, const ParsedArgs& args) = nullptr;
};

// In the order the help lists them.
const std::vector<Command>& Commands();

int RunInfo(Environment& env, const ParsedArgs& args);
int RunNew(Environment& env, const ParsedArgs& args);
int RunRecode(Environment& env, const ParsedArgs& args);
int RunDump(Environment& env, const ParsedArgs& args);
int RunRead(Environment& env, const ParsedArgs& args);
int RunWrite(Environment& env, const ParsedArgs& args);
int RunPorts(Environment& env, const ParsedArgs& args);

}  // namespace vex::cli
