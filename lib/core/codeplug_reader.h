// Readers of codeplug files: the header (for checks and previews), the
// comment, and the loader that brings the image block into a buffer.
// Every reader is bounded by its buffers, whatever lengths the file claims.
#pragma once

#include "core/codeplug_header.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vex {

// Checks the magic and the header tag and copies the 116 header bytes out.
bool ReadCodeplugHeader(const std::string& path, CodeplugHeader& header);

// The file's comment text; false (and an empty text) when the file has none
// or cannot be read.
bool ReadCodeplugComment(const std::string& path, std::string& text);

struct LoadedCounts {
  std::size_t spare = 0;  // bytes placed in the spare buffer
  std::size_t image = 0;  // bytes placed in the image buffer
};

// Reads the spare and image blocks. A block longer than its buffer fills the
// buffer and the rest is skipped. Fails, leaving the image buffer as it was,
// when the magic or a block tag is wrong, a block claims more bytes than the
// file holds, the image block is shorter than the image buffer, or bytes
// follow the image block.
bool LoadCodeplugFile(const std::string& path, std::span<std::uint8_t> spare, std::span<std::uint8_t> image,
                      LoadedCounts& counts);

}  // namespace vex
