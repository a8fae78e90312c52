#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// PTT ID settings. Only reset() gives the defaults; a new section is zero.
class PttIdSection : public SchemaSection<FieldArea::PttId, layout::kPttId.length> {
 public:
  // The primary ID as shown: made a valid ID first (at most DEEE, each lower
  // hexadecimal digit at most E, 0 shown as 1), four hexadecimal digits.
  static std::string primaryIdText(std::uint16_t id);
  // A typed primary ID once its edit is left: read as hexadecimal (empty is
  // 1), the top digit at most D, the lower digits at most E, 0 becomes 1.
  static std::string typedPrimaryId(std::string_view typed);
  // A typed group ID alike with three digits: a fourth digit is dropped, each
  // digit at most E, empty or 0 becomes 1.
  static std::string typedGroupId(std::string_view typed);
};

}  // namespace vex
