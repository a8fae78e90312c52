#pragma once

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// General operating options; its last 32 bytes are the area shared with the
// factory section.
class MiscSection : public SchemaSection<FieldArea::Misc, layout::kMiscFirst.length + layout::kMiscSecond.length +
                                                              layout::kShared.length> {
 public:
  static constexpr std::size_t kSharedFirst = layout::kMiscFirst.length + layout::kMiscSecond.length;

  MiscSection() { reset(); }

  std::span<std::uint8_t> shared() { return bytes().subspan(kSharedFirst, layout::kShared.length); }
};

}  // namespace vex
