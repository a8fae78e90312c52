// export FILE [-o OUT.yaml]: the whole content of a codeplug file as text.
#include "cli_commands.h"
#include "output_file.h"

#include "workflow/codeplug_text/codeplug_text.h"

#include <memory>

namespace vex::cli {

int RunExport(Environment& env, const CliOptions& options) {
  const std::string& file = options.files[0];
  auto document = std::make_unique<CodeplugDocument>();
  switch (LoadCodeplugDocument(file, *document)) {
    case DocumentLoad::Missing: return env.failWith("No such file", file);
    case DocumentLoad::Invalid: return env.fail(text::kMsgFileInvalid, file);
    case DocumentLoad::Loaded: break;
  }
  const LanguageTexts english(env.dataDir() / "VEX_E.lng");
  return WriteTextOutput(env, options.output, ExportCodeplugText(*document, english), options.force);
}

}  // namespace vex::cli
