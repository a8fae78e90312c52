// new -o FILE: the default data of a model and range, saved as Save As saves.
// Only models and ranges the catalogue lists are made.
#include "cli_commands.h"
#include "cli_host.h"
#include "output_file.h"

#include "config/model_catalogue.h"
#include "config/range_table.h"

#include <algorithm>

#include <cerrno>

namespace vex::cli {

namespace {

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

}  // namespace

int RunNew(Environment& env, const CliOptions& options) {
  ModelState state = env.startingModelState();
  const std::vector<std::string> ids = ModelCatalogue(env.catalogueFile(), "").modelIds();
  if (options.modelId) {
    if (std::find(ids.begin(), ids.end(), *options.modelId) == ids.end()) {
      env.err() << "vexprog-cli: new: the catalogue has no model ID " << *options.modelId
                << " (it lists: " << Joined(ids) << ")\n";
      return kExitFailure;
    }
    state.modelId = *options.modelId;
    state.modelName = env.firstModelName(*options.modelId);
    // The settings' range belongs to the settings' model.
    if (!options.range) state.freqRange.clear();
  }
  if (options.modelName) state.modelName = *options.modelName;

  RangeTable ranges;
  ranges.load(ModelCatalogue(env.catalogueFile(), state.modelId));
  if (options.range) state.freqRange = *options.range;
  if (state.freqRange.empty())
    state.freqRange = RangeText(ranges.entries().front().lower, ranges.entries().front().upper);
  const RangeEdges edges = ParseRangeText(state.freqRange);
  if (!ranges.contains(edges.lower, edges.upper)) {
    std::vector<std::string> listed;
    for (const RangeEntry& r : ranges.entries()) listed.push_back(RangeText(r.lower, r.upper));
    env.err() << "vexprog-cli: new: model " << state.modelId << " has no range " << state.freqRange
              << " (the catalogue lists: " << Joined(listed) << ")\n";
    return kExitFailure;
  }

  OutputFile output(options.output, options.force);
  if (const std::string problem = output.problem(); !problem.empty())
    return env.fail(text::kMsgFileNotWritten, output.shownName(), problem);
  CliHost host(env, state);
  FlowOutcome outcome = host.session().loadDefaultData();
  if (!outcome.ok()) return env.fail(outcome.messageId, host.session().defaultDataPath());
  outcome = host.session().saveAs([&output](const CodeplugHeader&) {
    return std::optional<SaveAsChoice>(SaveAsChoice{output.path(), ""});
  });
  const int cause = errno;
  if (!outcome.ok()) return env.fail(outcome.messageId, output.shownName(), output.failure(cause));
  if (!output.finish(env.out())) return env.fail(text::kMsgFileNotWritten, output.shownName());
  return kExitOk;
}

}  // namespace vex::cli
