// report FILE [--sections LIST] [-o OUT]: the printed report of a codeplug
// file as text, in the program's language, with the lines the desktop
// program prints for the same sections.
#include "cli_commands.h"
#include "cli_host.h"
#include "input_file.h"
#include "output_file.h"

#include "core/report_sections.h"
#include "workflow/report/report_builder.h"
#include "workflow/report/report_text.h"

namespace vex::cli {

int RunReport(Environment& env, const CliOptions& options) {
  const InputFile input(options.files[0]);
  if (!input.ready()) return input.fail(env);
  CliHost host(env, env.startingModelState());
  const FlowOutcome outcome = host.session().open(input.path());
  if (!outcome.ok()) return env.fail(outcome.messageId, input.shownName());

  // No --sections prints every section; the parser has checked the names.
  ReportSectionTable table;
  for (std::size_t i = 0; i < table.size(); ++i) table[i].selected = options.sections.empty();
  for (const std::string& name : options.sections)
    if (const auto entry = ReportEntryNamed(name)) table[*entry].selected = true;

  const ReportSource source{host.data(), env.texts(), host.modelState(), env.languageIndex()};
  const std::string report = ReportText(BuildReport(table, source));
  return WriteTextOutput(env, options.output, report, options.force);
}

}  // namespace vex::cli
