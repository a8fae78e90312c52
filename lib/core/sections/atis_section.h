#pragma once

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// ATIS code (12 decimal digits, two per byte) and pretime.
class AtisSection : public SchemaSection<FieldArea::Atis, layout::kAtis.length> {
 public:
  AtisSection() { reset(); }
};

}  // namespace vex
