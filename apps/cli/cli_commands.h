// The subcommands of vexprog-cli, each a short function over the library.
#pragma once

#include "cli_environment.h"
#include "cli_options.h"

#include <string_view>
#include <vector>

namespace CLI {
class App;
}

namespace vex::cli {

struct Command {
  std::string_view name;
  std::string_view summary;
  // Declares the command's arguments and options on its parser.
  void (*define)(CLI::App& command, CliOptions& options) = nullptr;
  int (*run)(Environment& env, const CliOptions& options) = nullptr;
};

// In the order the help lists them.
const std::vector<Command>& Commands();

int RunInfo(Environment& env, const CliOptions& options);
int RunNew(Environment& env, const CliOptions& options);
int RunRecode(Environment& env, const CliOptions& options);
int RunDump(Environment& env, const CliOptions& options);
int RunExportCsv(Environment& env, const CliOptions& options);
int RunReport(Environment& env, const CliOptions& options);
int RunImportCsv(Environment& env, const CliOptions& options);
int RunExport(Environment& env, const CliOptions& options);
int RunTextSchema(Environment& env, const CliOptions& options);
int RunApply(Environment& env, const CliOptions& options);
int RunDiff(Environment& env, const CliOptions& options);
int RunPorts(Environment& env, const CliOptions& options);
int RunDetect(Environment& env, const CliOptions& options);
int RunRead(Environment& env, const CliOptions& options);
int RunWrite(Environment& env, const CliOptions& options);
int RunVerify(Environment& env, const CliOptions& options);
int RunStation(Environment& env, const CliOptions& options);

}  // namespace vex::cli
