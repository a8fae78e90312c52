#pragma once

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// DOS settings. Only reset() gives the defaults; a new section is zero.
class DosSection : public SectionBuffer<layout::kDos.length> {
 public:
  // DOS off (upper half of byte 0 = 2), pre-mute duration 15.
  void reset();
};

}  // namespace vex
