// apply TEXT.yaml [--base FILE] -o OUT: a codeplug text made into a codeplug
// file, from the text alone or over the base; on any error nothing is written.
#include "cli_commands.h"
#include "input_file.h"
#include "output_file.h"

#include "workflow/codeplug_text/codeplug_text.h"

#include <cerrno>
#include <memory>

namespace vex::cli {

int RunApply(Environment& env, const CliOptions& options) {
  const std::string& textFile = options.files[0];
  std::string text;
  switch (ReadInputText(textFile, kMaxCodeplugTextBytes, text)) {
    case InputText::Missing: return env.failWith("No such file", textFile);
    case InputText::Unreadable: return env.failWith("The file cannot be read", textFile);
    case InputText::Read: break;
  }

  std::unique_ptr<CodeplugDocument> base;
  if (!options.base.empty()) {
    base = std::make_unique<CodeplugDocument>();
    if (const InputFile input(options.base, InputFile::StandardInput::Refused); !input.ready()) return input.fail(env);
    switch (LoadCodeplugDocument(options.base, *base)) {
      case DocumentLoad::Missing: return env.failWith("No such file", options.base);
      case DocumentLoad::Invalid: return env.fail(text::kMsgFileInvalid, options.base);
      case DocumentLoad::Loaded: break;
    }
  }

  const LanguageTexts english(env.dataDir() / "VEX_E.lng");
  auto result = std::make_unique<CodeplugDocument>();
  std::vector<TextError> warnings;
  const auto errors = ApplyCodeplugText(text, base.get(), english, *result, &warnings);
  if (!errors.empty()) {
    const std::string shown = textFile == "-" ? "standard input" : textFile;
    for (const TextError& error : errors) env.err() << shown << ":" << TextErrorLine(error) << '\n';
    env.err() << "vexprog-cli: " << shown << " is not applied; nothing was written\n";
    return kExitFailure;
  }

  for (const TextError& warning : warnings)
    env.err() << "vexprog-cli: warning: " << warning.field << ": " << warning.message << '\n';

  const OutputFile output(options.output, options.force);
  if (!SaveCodeplugDocument(output.path(), *result))
    return env.fail(text::kMsgFileNotWritten, output.shownName(), output.failure(errno));
  if (!output.finish(env.out())) return env.fail(text::kMsgFileNotWritten, output.shownName());
  return kExitOk;
}

}  // namespace vex::cli
