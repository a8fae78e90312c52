#pragma once

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// ATIS code (12 decimal digits, two per byte) and pretime.
class AtisSection : public SectionBuffer<layout::kAtis.length> {
 public:
  AtisSection() { reset(); }
  // Code 999999999999, pretime 3.
  void reset();
};

}  // namespace vex
