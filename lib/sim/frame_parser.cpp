#include "sim/frame_parser.h"

#include "base/byte_order.h"
#include "link/protocol.h"

#include <algorithm>

namespace vex::sim {

using namespace vex::protocol;

namespace {

// A request longer than this is no request (the largest real one is a
// memory write of 32 bytes).
constexpr long kLongestRequest = 512;

}  // namespace

void FrameParser::Append(std::span<const std::uint8_t> bytes) {
  buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

long FrameParser::FrameLength() const {
  if (buffer_.size() < 3) return 0;
  const std::uint8_t command = buffer_[1];
  const std::uint8_t sub = buffer_[2];
  switch (command) {
    case kGreeting: return 4;
    case kMode:
    case kInfo:
    case kOutput: return 6;
    case kMemory:
      if (sub == kSubB) return 10;
      if (sub != kSubA) return -1;
      [[fallthrough]];
    case kPassword: {
      if (buffer_.size() < 5) return 0;
      const long length = ReadLe16(buffer_, 3) + 6L;
      return length <= kLongestRequest ? length : -1;
    }
    case kTune:
      if (sub == kSubA) return 8;  // tuning values are 2 bytes
      return 6;
    default: return -1;
  }
}

std::optional<std::vector<std::uint8_t>> FrameParser::NextFrame() {
  for (;;) {
    const auto stx = std::find(buffer_.begin(), buffer_.end(), kStx);
    buffer_.erase(buffer_.begin(), stx);
    if (buffer_.empty()) return std::nullopt;
    const long length = FrameLength();
    if (length == 0) return std::nullopt;
    if (length > 0 && static_cast<std::size_t>(length) > buffer_.size()) return std::nullopt;
    if (length < 0 || buffer_[static_cast<std::size_t>(length) - 1] != kEtx) {
      buffer_.erase(buffer_.begin());
      continue;
    }
    std::vector<std::uint8_t> frame(buffer_.begin(), buffer_.begin() + length);
    buffer_.erase(buffer_.begin(), buffer_.begin() + length);
    return frame;
  }
}

}  // namespace vex::sim
