// export-csv FILE [-o OUT.csv] and import-csv FILE IN.csv -o OUT: the channels
// of a codeplug file in CHIRP's CSV columns, out and back in. Import replaces
// the channels and keeps everything else of FILE; it refuses a CSV with any
// value the radio cannot carry, listing each, and writes nothing then.
#include "cli_commands.h"
#include "cli_host.h"
#include "output_file.h"

#include "base/file_replace.h"
#include "config/safe_format.h"
#include "core/chirp_csv.h"
#include "core/codeplug_reader.h"

#include <iostream>
#include <iterator>

namespace vex::cli {

int RunExportCsv(Environment& env, const CliOptions& options) {
  const std::string& file = options.files[0];
  CliHost host(env, env.startingModelState());
  const FlowOutcome outcome = host.session().open(file);
  if (!outcome.ok()) return env.fail(outcome.messageId, file);
  const std::string csv = ExportChirpCsv(host.data());
  if (options.output.empty() || options.output == "-") {
    env.out() << csv;
    return kExitOk;
  }
  if (!ReplaceFileContent(options.output, csv))
    return env.fail(text::kMsgFileNotWritten, options.output, OutputFile(options.output).problem());
  return kExitOk;
}

int RunImportCsv(Environment& env, const CliOptions& options) {
  const std::string& file = options.files[0];
  const std::string& csvFile = options.files[1];
  CliHost host(env, env.startingModelState());
  FlowOutcome outcome = host.session().open(file);
  if (!outcome.ok()) return env.fail(outcome.messageId, file);

  std::string csv;
  if (csvFile == "-") {
    csv.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else if (!ReadWholeFile(csvFile, kMaxCsvBytes, csv)) {
    return env.fail(text::kMsgCsvUnreadable, csvFile);
  }
  const CsvImport imported = ParseChirpCsv(csv, BandLimitsOf(host.modelState().freqRange));
  for (const CsvProblem& problem : imported.problems) {
    env.err() << "vexprog-cli: " << (problem.refuses() ? "" : "warning: ")
              << formatText(env.message(CsvProblemMessageId(problem.issue)), CsvProblemArgument(problem)) << '\n';
  }
  if (imported.refused()) {
    env.err() << "vexprog-cli: " << csvFile << " is not imported; nothing was written\n";
    return kExitFailure;
  }

  OutputFile output(options.output);
  if (const std::string problem = output.problem(); !problem.empty())
    return env.fail(text::kMsgFileNotWritten, output.shownName(), problem);
  ReplaceChannels(host.data(), imported.channels);
  std::string comment;
  ReadCodeplugComment(file, comment);
  outcome = host.session().saveTo(output.path(), comment);
  if (outcome.messageId == text::kMsgDataInvalid) {
    const int code = env.fail(outcome.messageId, csvFile);
    ListFindings(env.err(), host.findings());
    return code;
  }
  if (!outcome.ok()) return env.fail(outcome.messageId, output.shownName(), output.problem());
  if (!output.finish(env.out())) return env.fail(text::kMsgFileNotWritten, output.shownName());
  return kExitOk;
}

}  // namespace vex::cli
