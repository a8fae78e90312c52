// diff A B [--json]: the differences between two codeplug files as the
// program sees them (each opened as File Open does and encoded as Save
// would): the model state, then every field of the image. Exit 0 when they
// are the same, 1 when they differ, 2 when a file cannot be opened.
#include "cli_commands.h"
#include "cli_host.h"
#include "image_compare.h"
#include "json_output.h"

#include <memory>

namespace vex::cli {

namespace {

constexpr int kExitTrouble = 2;

struct StateDifference {
  const char* key;
  std::string a;
  std::string b;
};

std::vector<StateDifference> CompareStates(const ModelState& a, const ModelState& b) {
  std::vector<StateDifference> differences;
  const auto add = [&](const char* key, const std::string& x, const std::string& y) {
    if (x != y) differences.push_back({key, x, y});
  };
  add("model_id", a.modelId, b.modelId);
  add("model_name", a.modelName, b.modelName);
  add("range", a.freqRange, b.freqRange);
  add("signalling", std::to_string(a.signal), std::to_string(b.signal));
  add("data_version", a.dataVersion, b.dataVersion);
  return differences;
}

}  // namespace

int RunDiff(Environment& env, const CliOptions& options) {
  std::array<std::unique_ptr<CliHost>, 2> hosts;
  for (std::size_t i = 0; i < hosts.size(); ++i) {
    const std::string& file = options.files[i];
    hosts[i] = std::make_unique<CliHost>(env, env.startingModelState());
    const FlowOutcome outcome = hosts[i]->session().open(file);
    if (!outcome.ok()) {
      env.fail(outcome.messageId, file);
      return kExitTrouble;
    }
    hosts[i]->data().encode();
  }
  const auto states = CompareStates(hosts[0]->modelState(), hosts[1]->modelState());
  const auto fields =
      CompareImages(hosts[0]->data().image(), hosts[1]->data().image(), {layout::Region{0, layout::kImageSize}});
  const bool same = states.empty() && fields.empty();

  if (options.json) {
    nlohmann::ordered_json json = JsonDocument();
    json["same"] = same;
    nlohmann::ordered_json model = nlohmann::ordered_json::array();
    for (const StateDifference& d : states) model.push_back({{"field", d.key}, {"a", d.a}, {"b", d.b}});
    json["model"] = model;
    json["differences"] = DifferencesJson(fields);
    PrintJson(env.out(), json);
  } else {
    for (const StateDifference& d : states) env.out() << d.key << ": " << d.a << " -> " << d.b << '\n';
    PrintDifferences(env.out(), fields);
  }
  return same ? kExitOk : kExitFailure;
}

}  // namespace vex::cli
