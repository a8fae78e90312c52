// dump FILE [--json]: the whole content of a codeplug file as the views show it.
#include "cli_commands.h"
#include "cli_host.h"
#include "dump_report.h"

namespace vex::cli {

int RunDump(Environment& env, const CliOptions& options) {
  const std::string& file = options.files[0];
  CliHost host(env, env.startingModelState());
  const FlowOutcome outcome = host.session().open(file);
  if (!outcome.ok()) return env.fail(outcome.messageId, file);

  const DumpReport report = BuildDumpReport(host.data(), env.texts(), host.modelState());
  if (options.json) {
    PrintDumpJson(env.out(), report);
  } else {
    PrintDumpText(env.out(), report);
  }
  return kExitOk;
}

}  // namespace vex::cli
