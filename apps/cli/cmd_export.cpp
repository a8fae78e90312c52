// export FILE [-o OUT.yaml]: the whole content of a codeplug file as text;
// text-schema [-o OUT.json]: the JSON Schema of that text.
#include "cli_commands.h"
#include "input_file.h"
#include "output_file.h"

#include "workflow/codeplug_text/codeplug_text.h"

#include <memory>

namespace vex::cli {

int RunExport(Environment& env, const CliOptions& options) {
  const InputFile input(options.files[0]);
  if (!input.ready()) return input.fail(env);
  auto document = std::make_unique<CodeplugDocument>();
  switch (LoadCodeplugDocument(input.path(), *document)) {
    case DocumentLoad::Missing: return env.failWith("No such file", input.shownName());
    case DocumentLoad::Invalid: return env.fail(text::kMsgFileInvalid, input.shownName());
    case DocumentLoad::Loaded: break;
  }
  const LanguageTexts english(env.dataDir() / "VEX_E.lng");
  return WriteTextOutput(env, options.output, ExportCodeplugText(*document, english), options.force);
}

int RunTextSchema(Environment& env, const CliOptions& options) {
  const LanguageTexts english(env.dataDir() / "VEX_E.lng");
  return WriteTextOutput(env, options.output, CodeplugTextSchema(english), options.force);
}

}  // namespace vex::cli
