// The memory a simulated radio starts with when no image is given: the
// program's own default data, encoded.
#pragma once

#include "core/image_codec.h"

namespace vex::sim {

Image DefaultImage();

}  // namespace vex::sim
