#pragma once

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// General operating options; its last 32 bytes are the area shared with the
// factory section.
class MiscSection : public SectionBuffer<73> {
 public:
  static constexpr std::size_t kSharedFirst = 41;

  MiscSection() { reset(); }
  // VOX gain 3 with inhibit on receive, VOX delay 15, carrier squelch 5,
  // battery save on (mode 1), CTCSS tail revert 1, low power alert gap 10;
  // other bytes 0, the shared area 0xFF.
  void reset();

  std::span<std::uint8_t> shared() { return bytes().subspan(kSharedFirst, layout::kShared.length); }
};

}  // namespace vex
