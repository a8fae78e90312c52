// The parts of the memory image by name, and which bytes of an image the
// encoder does not take from the data's fields: the regions no section
// covers, the record slots past each list's records, and the PTT ID region
// the encoder writes with fixed content. The text carries those bytes as
// they are.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/image_codec.h"

namespace vex {

class RadioDataContainer;

namespace codeplug_text {

// The name of the image part holding byte `offset`.
std::string_view ImagePartName(std::size_t offset);
// The first byte of the part holding byte `offset`.
std::size_t ImagePartFirst(std::size_t offset);

using ByteMask = std::array<bool, layout::kImageSize>;

// The bytes the encoder gives no field's value to, for the data's lists.
ByteMask LooseBytes(const RadioDataContainer& data);

}  // namespace codeplug_text
}  // namespace vex
