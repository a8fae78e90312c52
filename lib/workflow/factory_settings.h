// Where the Factory Mode dialog's model data meets the settings: the volume
// values of volume.ini, and what leaving the dialog applies.
#pragma once

#include "core/factory_model.h"

namespace vex {

class AppSettings;
class RadioDataContainer;

// The wide and narrow volume of volume.ini for the model's band ("v" keys
// for VHF, "u" keys for UHF; 255 when absent).
void ApplyVolumes(FactoryModel& model, const AppSettings& settings);

struct FactoryChanges {
  bool modelName = false;
  bool range = false;
  bool signalling = false;
};

// Leaving the dialog: a changed model name, band range (of known edges) or
// signalling type becomes current in the settings, and the model data goes
// into the container. Returns what changed, for the window to refresh.
FactoryChanges ApplyFactoryModel(const FactoryModel& before, const FactoryModel& after, AppSettings& settings,
                                 RadioDataContainer& container);

}  // namespace vex
