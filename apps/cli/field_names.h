// Names of the fields of the radio memory image, for listings of differences
// ("channel 3 receive frequency"). The one place the command line names an
// address; it follows the image layout.
#pragma once

#include <cstddef>
#include <string>

namespace vex::cli {

struct ImageField {
  std::string name;
  std::size_t first = 0;   // image address of the field's first byte
  std::size_t length = 1;  // bytes
};

// The field that holds image address `address` (0..8191).
ImageField FieldAt(std::size_t address);

}  // namespace vex::cli
