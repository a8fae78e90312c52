// recode IN -o OUT: open as File Open does, save as File Save does.
#include "cli_commands.h"
#include "cli_host.h"
#include "input_file.h"
#include "output_file.h"

namespace vex::cli {

int RunRecode(Environment& env, const CliOptions& options) {
  const std::string& input = options.files[0];
  if (const InputFile file(input, InputFile::StandardInput::Refused); !file.ready()) return file.fail(env);
  CliHost host(env, env.startingModelState());
  const FlowOutcome outcome = host.session().open(input);
  if (!outcome.ok()) return env.fail(outcome.messageId, input);
  // The new file carries the comment of the one it was made from.
  return SaveKeepingComment(env, host, input, OutputFile(options.output, options.force), input);
}

}  // namespace vex::cli
