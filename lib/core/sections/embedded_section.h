#pragma once

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// Embedded-data password, a second text and four 32-byte messages.
class EmbeddedSection : public SectionBuffer<layout::kEmbedded.length> {
public:
    EmbeddedSection() { reset(); }
    // All zero.
    void reset();
};

}  // namespace vex
