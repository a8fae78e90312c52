#include "workflow/factory_settings.h"

#include "config/app_settings.h"
#include "core/container.h"

namespace vex {

void ApplyVolumes(FactoryModel& model, const AppSettings& settings) {
  const bool vhf = model.isVhf();
  model.setVolumes(settings.volume(vhf, true), settings.volume(vhf, false));
}

FactoryChanges ApplyFactoryModel(const FactoryModel& before, const FactoryModel& after, AppSettings& settings,
                                 RadioDataContainer& container) {
  FactoryChanges changes;
  changes.modelName = after.modelName() != before.modelName();
  // Erased or crossed edges name no range: the one in use stays.
  const bool knownRange = after.lowerEdge() > 0 && after.upperEdge() >= after.lowerEdge();
  changes.range = knownRange && after.rangeText() != before.rangeText();
  changes.signalling = after.option(FactoryModel::kSignalling) != before.option(FactoryModel::kSignalling);
  if (changes.modelName) settings.setModelName(after.modelName());
  if (changes.range) settings.setFreqRange(after.rangeText());
  if (changes.signalling) settings.setSignal(after.option(FactoryModel::kSignalling));
  after.toContainer(container);
  return changes;
}

}  // namespace vex
