// new -o FILE: the default data of a model and range, saved as Save As saves.
#include "cli_commands.h"
#include "cli_host.h"

#include "base/range_entry.h"

namespace vex::cli {

int RunNew(Environment& env, const ParsedArgs& args) {
  ModelState state = env.startingModelState();
  if (auto id = args.value("model-id")) {
    state.modelId = *id;
    state.modelName = env.firstModelName(*id);
  }
  if (auto name = args.value("model-name")) state.modelName = *name;
  if (auto range = args.value("range")) {
    const RangeEdges edges = ParseRangeText(*range);
    if (edges.lower <= 0 || edges.upper < edges.lower || RangeText(edges.lower, edges.upper) != *range) {
      env.err() << "vexprog-cli: new: --range takes LO-HI in whole MHz, e.g. 400-470\n";
      return kExitUsage;
    }
    state.freqRange = *range;
  }

  const std::string output = *args.value("output");
  CliHost host(env, state);
  FlowOutcome outcome = host.session().loadDefaultData();
  if (!outcome.ok()) return env.fail(outcome.messageId, host.session().defaultDataPath());
  outcome = host.session().saveAs([&output](const CodeplugHeader&) {
    return std::optional<SaveAsChoice>(SaveAsChoice{output, ""});
  });
  if (!outcome.ok()) return env.fail(outcome.messageId, output);
  return kExitOk;
}

}  // namespace vex::cli
