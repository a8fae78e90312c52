#include "core/sections/key_section.h"

namespace vex {

void KeySection::reset() {
  buffer_.fill(0);
  buffer_[2] = 24;
  buffer_[5] = 17;
  buffer_[24] = 1;
}

}  // namespace vex
