#include "core/sections/embedded_section.h"

namespace vex {

void EmbeddedSection::reset() {
    buffer_.fill(0);
}

}  // namespace vex
