// diff A B [--json]: the differences between two codeplug files as the
// program sees them (each opened as File Open does and encoded as Save
// would): the model state, every field that differs, and the address ranges
// of the bytes that differ. Exit 0 when they are the same, 1 when they
// differ, 2 when a file cannot be opened.
#include "cli_commands.h"
#include "cli_host.h"
#include "image_compare.h"
#include "input_file.h"
#include "json_output.h"

#include <memory>

namespace vex::cli {

namespace {

constexpr int kExitTrouble = 2;

std::vector<FieldChange> CompareStates(const ModelState& a, const ModelState& b) {
  std::vector<FieldChange> changes;
  // JSON keeps the older key; the text names the header's key.
  const auto add = [&](const char* key, const char* textKey, const std::string& x, const std::string& y) {
    if (x != y) changes.push_back({"model", key, x, y, std::string("file.") + textKey});
  };
  add("model_id", "model_id", a.modelId, b.modelId);
  add("model_name", "model_name", a.modelName, b.modelName);
  add("range", "range", a.freqRange, b.freqRange);
  add("signalling", "signalling", std::to_string(a.signal), std::to_string(b.signal));
  add("data_version", "version_a", a.dataVersion, b.dataVersion);
  return changes;
}

}  // namespace

int RunDiff(Environment& env, const CliOptions& options) {
  std::array<std::unique_ptr<CliHost>, 2> hosts;
  for (std::size_t i = 0; i < hosts.size(); ++i) {
    const std::string& file = options.files[i];
    if (const InputFile input(file, InputFile::StandardInput::Refused); !input.ready()) {
      input.fail(env);
      return kExitTrouble;
    }
    hosts[i] = std::make_unique<CliHost>(env, env.startingModelState());
    const FlowOutcome outcome = hosts[i]->session().open(file);
    if (!outcome.ok()) {
      env.fail(outcome.messageId, file);
      return kExitTrouble;
    }
    hosts[i]->data().encode();
  }
  ImageComparison comparison = CompareImages(hosts[0]->data().image(), hosts[1]->data().image(), env.texts());
  const auto model = CompareStates(hosts[0]->modelState(), hosts[1]->modelState());
  comparison.fields.insert(comparison.fields.begin(), model.begin(), model.end());

  if (options.json) {
    nlohmann::ordered_json json = JsonDocument();
    json["same"] = comparison.same();
    AddComparisonJson(json, comparison);
    PrintJson(env.out(), json);
  } else {
    PrintComparison(env.out(), comparison);
  }
  return comparison.same() ? kExitOk : kExitFailure;
}

}  // namespace vex::cli
