// dump FILE [--json]: the whole content of a codeplug file as the views show it.
#include "cli_commands.h"
#include "cli_host.h"
#include "dump_report.h"
#include "input_file.h"

namespace vex::cli {

int RunDump(Environment& env, const CliOptions& options) {
  const InputFile input(options.files[0]);
  if (!input.ready()) return input.fail(env);
  CliHost host(env, env.startingModelState());
  const FlowOutcome outcome = host.session().open(input.path());
  if (!outcome.ok()) return env.fail(outcome.messageId, input.shownName());

  const DumpReport report = BuildDumpReport(host.data(), env.texts(), host.modelState());
  if (options.json) {
    PrintDumpJson(env.out(), report);
  } else {
    PrintDumpText(env.out(), report);
  }
  return kExitOk;
}

}  // namespace vex::cli
