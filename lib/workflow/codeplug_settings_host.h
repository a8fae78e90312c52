// The codeplug host of the desktop program: model state in the settings
// object, range flags from the loaded range table.
#pragma once

#include "config/app_settings.h"
#include "config/range_table.h"
#include "core/codeplug_container_host.h"

namespace vex {

// The current model, range, signalling type and firmware version of the settings.
ModelState ModelStateOf(const AppSettings& settings);

class SettingsCodeplugHost : public ContainerCodeplugHost {
 public:
  SettingsCodeplugHost(RadioDataContainer& container, InvalidLog& log, AppSettings& settings, RangeTable& ranges);

  // The test frequencies' defaults spread over the current range.
  void resetToDefaults() override;
  ModelState modelState() const override;
  void setModelState(const ModelState& state) override;
  bool isModelSupported(const std::string& modelId) const override;
  std::uint8_t currentRangeFlags() const override;
  bool loadRangeTable() override;
  std::string dataDirectory() const override;

 private:
  AppSettings& settings_;
  RangeTable& ranges_;
};

}  // namespace vex
