#pragma once

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// Tuning values. Only reset() gives the defaults; a new section is zero.
class AdjustSection : public SectionBuffer<layout::kAdjust.length> {
 public:
  // Every byte 0xFF, as in an untuned radio's erased memory.
  void reset();
};

}  // namespace vex
