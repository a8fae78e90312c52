#pragma once

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// DOS settings. Only reset() gives the defaults; a new section is zero.
class DosSection : public SchemaSection<FieldArea::Dos, layout::kDos.length> {};

}  // namespace vex
