// recode IN -o OUT: open as File Open does, save as File Save does.
#include "cli_commands.h"
#include "cli_host.h"

#include "core/codeplug_reader.h"

namespace vex::cli {

namespace {

void ListFindings(Environment& env, const InvalidLog& log) {
  for (const InvalidLogRow& row : log.rows()) env.err() << "  " << row.location << ": " << row.label << '\n';
}

}  // namespace

int RunRecode(Environment& env, const ParsedArgs& args) {
  const std::string& input = args.positional()[0];
  const std::string output = *args.value("output");
  CliHost host(env, env.startingModelState());
  FlowOutcome outcome = host.session().open(input);
  if (!outcome.ok()) return env.fail(outcome.messageId, input);

  // The new file carries the comment of the one it was made from.
  std::string comment;
  ReadCodeplugComment(input, comment);
  outcome = host.session().saveTo(output, comment);
  if (outcome.messageId == text::kMsgDataInvalid) {
    const int code = env.fail(outcome.messageId, input);
    ListFindings(env, host.findings());
    return code;
  }
  if (!outcome.ok()) return env.fail(outcome.messageId, output);
  return kExitOk;
}

}  // namespace vex::cli
