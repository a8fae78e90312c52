#include "core/codeplug_container_host.h"

namespace vex {

ContainerCodeplugHost::ContainerCodeplugHost(RadioDataContainer& container, InvalidLog& log, TextLookup labels)
    : container_(container), log_(log), labels_(std::move(labels)) {}

void ContainerCodeplugHost::resetToDefaults() {
  container_.clearRecords();
  container_.resetToDefaults();
}

}  // namespace vex
