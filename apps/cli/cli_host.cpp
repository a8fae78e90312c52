#include "cli_host.h"

#include "output_file.h"

#include "config/model_catalogue.h"
#include "core/codeplug_reader.h"

#include <cerrno>

namespace vex::cli {

void ListFindings(std::ostream& out, const InvalidLog& log) {
  for (const InvalidLogRow& row : log.rows()) out << "  " << row.location << ": " << row.label << '\n';
}

int SaveKeepingComment(Environment& env, CliHost& host, const std::string& from, const OutputFile& output,
                       const std::string& checked) {
  if (const std::string problem = output.problem(); !problem.empty())
    return env.fail(text::kMsgFileNotWritten, output.shownName(), problem);
  std::string comment;
  ReadCodeplugComment(from, comment);
  const FlowOutcome outcome = host.session().saveTo(output.path(), comment);
  const int cause = errno;
  if (outcome.messageId == text::kMsgDataInvalid) {
    const int code = env.fail(text::kMsgDataInvalidListed, checked);
    ListFindings(env.err(), host.findings());
    return code;
  }
  if (!outcome.ok()) return env.fail(outcome.messageId, output.shownName(), output.failure(cause));
  if (!output.finish(env.out())) return env.fail(text::kMsgFileNotWritten, output.shownName());
  return kExitOk;
}

CliHost::CliHost(Environment& env, ModelState state)
    : ContainerCodeplugHost(CliData::data, CliData::log, [&env](int id) { return env.texts().labelText(id); }),
      env_(env),
      state_(std::move(state)) {}

bool CliHost::isModelSupported(const std::string& modelId) const { return env_.texts().isModelSupported(modelId); }

bool CliHost::loadRangeTable() {
  ranges_.load(ModelCatalogue(env_.catalogueFile(), state_.modelId));
  return true;
}

}  // namespace vex::cli
