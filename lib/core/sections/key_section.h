#pragma once

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// Programmable key functions.
class KeySection : public SchemaSection<FieldArea::Keys, layout::kKeys.length> {
 public:
  KeySection() { reset(); }
};

}  // namespace vex
