#include "core/sections/misc_section.h"

#include <algorithm>

namespace vex {

void MiscSection::reset() {
  buffer_.fill(0);
  std::fill(buffer_.begin() + kSharedFirst, buffer_.end(), layout::kErased);
  buffer_[5] = 0x03 | 0x08;   // VOX gain 3, VOX inhibit on receive
  buffer_[6] = 15;            // VOX delay
  buffer_[8] = 5;             // carrier squelch level
  buffer_[36] = 0x01 | 0x02;  // battery save, CTCSS tail revert 1
  buffer_[37] = 10;           // low power alert gap
  buffer_[40] = 1;            // battery save mode
}

}  // namespace vex
