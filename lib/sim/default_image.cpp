#include "sim/default_image.h"

#include "core/container.h"

namespace vex::sim {

Image DefaultImage() {
  RadioDataContainer container;
  container.resetToDefaults();
  container.encode();
  return container.image();
}

}  // namespace vex::sim
