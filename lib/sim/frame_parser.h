// Splits the byte stream the program sends into request frames. Bytes before
// a start byte, unknown commands and frames that do not end in ETX are
// skipped, so the parser finds its way back after garbage.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vex::sim {

class FrameParser {
 public:
  void Append(std::span<const std::uint8_t> bytes);
  std::optional<std::vector<std::uint8_t>> NextFrame();
  void Clear() { buffer_.clear(); }

 private:
  // Length of the frame at the buffer's start: 0 when more bytes are
  // needed to know it, -1 when it is no request.
  long FrameLength() const;

  std::vector<std::uint8_t> buffer_;
};

}  // namespace vex::sim
