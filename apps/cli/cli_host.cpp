#include "cli_host.h"

#include "config/model_catalogue.h"

namespace vex::cli {

void ListFindings(std::ostream& out, const InvalidLog& log) {
  for (const InvalidLogRow& row : log.rows()) out << "  " << row.location << ": " << row.label << '\n';
}

CliHost::CliHost(Environment& env, ModelState state)
    : ContainerCodeplugHost(CliData::data, CliData::log, [&env](int id) { return env.texts().labelText(id); }),
      env_(env),
      state_(std::move(state)) {}

bool CliHost::isModelSupported(const std::string& modelId) const { return env_.texts().isModelSupported(modelId); }

bool CliHost::loadRangeTable() {
  ranges_.load(ModelCatalogue(env_.catalogueFile(), state_.modelId));
  return true;
}

}  // namespace vex::cli
