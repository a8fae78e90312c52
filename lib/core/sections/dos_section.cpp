#include "core/sections/dos_section.h"

namespace vex {

void DosSection::reset() { buffer_ = {0x20, 15}; }

}  // namespace vex
