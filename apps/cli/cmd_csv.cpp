// export-csv FILE [-o OUT.csv] and import-csv FILE IN.csv -o OUT: the channels
// of a codeplug file in CHIRP's CSV columns, out and back in. Import replaces
// the channels and keeps everything else of FILE; it refuses a CSV with any
// value the radio cannot carry, listing each, and writes nothing then, unless
// such lines are to be left out.
#include "cli_commands.h"
#include "cli_host.h"
#include "input_file.h"
#include "output_file.h"

#include "config/safe_format.h"
#include "core/chirp_csv.h"


namespace vex::cli {

int RunExportCsv(Environment& env, const CliOptions& options) {
  const InputFile input(options.files[0]);
  if (!input.ready()) return input.fail(env);
  CliHost host(env, env.startingModelState());
  const FlowOutcome outcome = host.session().open(input.path());
  if (!outcome.ok()) return env.fail(outcome.messageId, input.shownName());
  const std::string csv = ExportChirpCsv(host.data());
  return WriteTextOutput(env, options.output, csv, options.force);
}

int RunImportCsv(Environment& env, const CliOptions& options) {
  const std::string& file = options.files[0];
  const std::string& csvFile = options.files[1];
  const InputFile input(file, InputFile::StandardInput::Refused);
  if (!input.ready()) return input.fail(env);
  CliHost host(env, env.startingModelState());
  const FlowOutcome outcome = host.session().open(file);
  if (!outcome.ok()) return env.fail(outcome.messageId, file);

  std::string csv;
  switch (ReadInputText(csvFile, kMaxCsvBytes, csv)) {
    case InputText::Missing: return env.failWith("No such file", csvFile);
    case InputText::Unreadable: return env.fail(text::kMsgCsvUnreadable, csvFile);
    case InputText::Read: break;
  }
  CsvLineChoice choice;
  if (!options.lines.empty()) choice = ParseCsvLineRange(options.lines).value_or(CsvLineChoice{});
  choice.skipInvalid = options.skipInvalid;
  const CsvImport imported = ParseChirpCsv(csv, BandLimitsOf(host.modelState().freqRange), choice);
  for (const CsvProblem& problem : imported.problems) {
    env.err() << "vexprog-cli: " << (problem.refuses() ? "" : "warning: ")
              << formatText(env.message(CsvProblemMessageId(problem.issue)), CsvProblemArgument(problem)) << '\n';
  }
  if (imported.refused()) {
    env.err() << "vexprog-cli: " << csvFile << " is not imported; nothing was written\n";
    return kExitFailure;
  }

  for (const ReferenceChange& change : ReplaceChannels(host.data(), imported.channels))
    env.err() << "vexprog-cli: warning: " << ReferenceChangeText(change) << '\n';
  return SaveKeepingComment(env, host, file, OutputFile(options.output, options.force), csvFile);
}

}  // namespace vex::cli
