// Converts between the 8192-byte radio memory image and the container.
#pragma once

#include <array>
#include <cstdint>

#include "core/image_layout.h"

namespace vex {

class RadioDataContainer;

// The radio memory image as the container and the transfers hold it.
using Image = std::array<std::uint8_t, layout::kImageSize>;

class ImageCodec {
 public:
  // Replaces every record list and every section byte an image region
  // covers, then resolves links.
  void decode(const Image& image, RadioDataContainer& container) const;
  // Writes the container into `image`, every uncovered byte 0xFF. Only the
  // personality link words change in the container.
  void encode(RadioDataContainer& container, Image& image) const;
  void resolveLinks(RadioDataContainer& container) const;
};

}  // namespace vex
