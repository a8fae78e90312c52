// What the radio reports about itself through the information items.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vex {

struct RadioIdentity {
  std::string modelName;               // item 3, at most 12 characters
  std::array<std::uint8_t, 9> band{};  // item 5: flags, lower and upper edge (BCD)
  int signalling = 0;                  // item 7
  std::string version;                 // item 8, bytes 0..15
  std::string modelId;                 // item 8, bytes 16..31
  int versionOrder = 0;                // -1, 0, 1: radio version against the reference
};

}  // namespace vex
