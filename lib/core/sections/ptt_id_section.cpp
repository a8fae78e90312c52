#include "core/sections/ptt_id_section.h"

namespace vex {

void PttIdSection::reset() { buffer_ = {0x01, 0x00, 0x00, 0xFD, 25, 5}; }

}  // namespace vex
