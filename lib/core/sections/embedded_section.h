#pragma once

#include <array>
#include <string>

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// Embedded-data password, a second 8-byte text and four 32-byte messages.
class EmbeddedSection : public SchemaSection<FieldArea::Embedded, layout::kEmbedded.length> {
 public:
  static constexpr std::size_t kFieldCount = 6;

  EmbeddedSection() { reset(); }

  // Field 0 password, 1 second text, 2..5 messages 1..4. A field starting
  // with 0xFF is empty; otherwise the text ends at the first 0 byte, without
  // trailing blanks.
  std::string text(std::size_t field) const;
  // Writes the text padded with spaces; a longer text is cut to the field.
  void setText(std::size_t field, const std::string& text);
};

}  // namespace vex
