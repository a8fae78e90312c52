#include "core/sections/atis_section.h"

#include <algorithm>

namespace vex {

void AtisSection::reset() {
  std::fill_n(buffer_.begin(), 6, 0x99);
  buffer_[6] = 3;
}

}  // namespace vex
