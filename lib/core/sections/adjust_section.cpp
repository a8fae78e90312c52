#include "core/sections/adjust_section.h"

namespace vex {

void AdjustSection::reset() { buffer_.fill(layout::kErased); }

}  // namespace vex
