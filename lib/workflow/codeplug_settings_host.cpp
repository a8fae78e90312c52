#include "workflow/codeplug_settings_host.h"

#include "base/range_entry.h"

namespace vex {

SettingsCodeplugHost::SettingsCodeplugHost(RadioDataContainer& container, InvalidLog& log, AppSettings& settings,
                                           RangeTable& ranges)
    : ContainerCodeplugHost(container, log, [&settings](int id) { return settings.labelText(id); }),
      settings_(settings),
      ranges_(ranges) {}

void SettingsCodeplugHost::resetToDefaults() {
  const RangeEdges edges = ParseRangeText(settings_.freqRange());
  if (edges.lower > 0 && edges.lower <= edges.upper) container().testFreq().setBand(edges.lower, edges.upper);
  ContainerCodeplugHost::resetToDefaults();
}

ModelState ModelStateOf(const AppSettings& settings) {
  return {settings.modelId(), settings.modelName(), settings.freqRange(), settings.signal(), settings.dataVersion()};
}

ModelState SettingsCodeplugHost::modelState() const { return ModelStateOf(settings_); }

void SettingsCodeplugHost::setModelState(const ModelState& state) {
  settings_.setModelId(state.modelId);
  settings_.setModelName(state.modelName);
  settings_.setFreqRange(state.freqRange);
  settings_.setSignal(state.signal);
  settings_.setDataVersion(state.dataVersion);
}

bool SettingsCodeplugHost::isModelSupported(const std::string& modelId) const {
  return settings_.isModelSupported(modelId);
}

std::uint8_t SettingsCodeplugHost::currentRangeFlags() const { return ranges_.flags(settings_.freqRange()); }

bool SettingsCodeplugHost::loadRangeTable() {
  ranges_.loadForCurrentModel(settings_);
  return true;
}

std::string SettingsCodeplugHost::dataDirectory() const { return settings_.dataDir().string(); }

}  // namespace vex
