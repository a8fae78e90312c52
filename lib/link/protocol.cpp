#include "link/protocol.h"

namespace vex::protocol {

std::uint8_t Checksum(std::span<const std::uint8_t> bytes) {
  std::uint8_t sum = 0;
  for (std::uint8_t b : bytes) sum = static_cast<std::uint8_t>(sum + b);
  return static_cast<std::uint8_t>(-sum);
}

std::vector<std::uint8_t> MakeAck(std::uint8_t status, std::uint8_t command, std::uint8_t sub) {
  return {kStx, kAck, status, command, sub, kEtx};
}

bool IsOldFirmware(std::string_view version) {
  return version.substr(0, kNewestOldFirmware.size()) <= kNewestOldFirmware;
}

}  // namespace vex::protocol
