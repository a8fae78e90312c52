#pragma once

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// Programmable key functions.
class KeySection : public SectionBuffer<layout::kKeys.length> {
 public:
  KeySection() { reset(); }
  // All 0 except key A3 = 24, key B3 = 17 and byte 24 = 1.
  void reset();
};

}  // namespace vex
