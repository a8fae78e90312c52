#pragma once

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// PTT ID settings. Only reset() gives the defaults; a new section is zero.
class PttIdSection : public SectionBuffer<layout::kPttId.length> {
 public:
  // Primary ID 1, type 0, side tone off, short beep on, pretime 25,
  // preamble bit sync 5.
  void reset();
};

}  // namespace vex
