// recode IN -o OUT: open as File Open does, save as File Save does.
#include "cli_commands.h"
#include "cli_host.h"
#include "output_file.h"

#include "core/codeplug_reader.h"

namespace vex::cli {

int RunRecode(Environment& env, const CliOptions& options) {
  const std::string& input = options.files[0];
  OutputFile output(options.output);
  CliHost host(env, env.startingModelState());
  FlowOutcome outcome = host.session().open(input);
  if (!outcome.ok()) return env.fail(outcome.messageId, input);
  if (const std::string problem = output.problem(); !problem.empty())
    return env.fail(text::kMsgFileNotWritten, output.shownName(), problem);

  // The new file carries the comment of the one it was made from.
  std::string comment;
  ReadCodeplugComment(input, comment);
  outcome = host.session().saveTo(output.path(), comment);
  if (outcome.messageId == text::kMsgDataInvalid) {
    const int code = env.fail(outcome.messageId, input);
    ListFindings(env.err(), host.findings());
    return code;
  }
  if (!outcome.ok()) return env.fail(outcome.messageId, output.shownName(), output.problem());
  if (!output.finish(env.out())) return env.fail(text::kMsgFileNotWritten, output.shownName());
  return kExitOk;
}

}  // namespace vex::cli
