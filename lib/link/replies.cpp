#include "link/replies.h"

#include "base/byte_order.h"
#include "base/field_text.h"
#include "link/protocol.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vex::replies {

using namespace protocol;

bool IsAck(std::span<const std::uint8_t> reply, std::uint8_t status, std::uint8_t command, std::uint8_t sub) {
  const std::array<std::uint8_t, kAckLength> expected{kStx, kAck, status, command, sub, kEtx};
  return reply.size() >= expected.size() && std::equal(expected.begin(), expected.end(), reply.begin());
}

bool IsGreeting(std::span<const std::uint8_t> reply) { return IsAck(reply, kStatusAccepted, kGreeting, kSubA); }

int ModeAnswer(std::span<const std::uint8_t> reply) {
  if (IsAck(reply, kStatusAccepted, kMode, kSubA)) return 1;
  if (IsAck(reply, kStatusPassword, kMode, kSubA)) return -1;
  return 0;
}

MemoryReply CheckMemoryReply(std::span<const std::uint8_t> reply, std::uint32_t address, std::span<std::uint8_t> data,
                             HeaderEcho& echo) {
  const std::size_t length = data.size() + kMemoryReplyOverhead;
  if (reply.size() < length || reply[0] != kStx || reply[length - 1] != kEtx) return MemoryReply::BadFrame;
  const auto covered = reply.subspan(1, kMemoryHeaderLength + data.size());
  if (Checksum(covered) != reply[length - 2]) return MemoryReply::BadChecksum;
  const bool names = ReadLe32(reply, 3) == address && ReadLe16(reply, 7) == data.size();
  if (echo == HeaderEcho::Echoed && !names) return MemoryReply::WrongBlock;
  if (echo == HeaderEcho::Unknown) echo = names ? HeaderEcho::Echoed : HeaderEcho::NotEchoed;
  std::copy_n(covered.begin() + kMemoryHeaderLength, data.size(), data.begin());
  return MemoryReply::Accepted;
}

const char* MemoryReplyFault(MemoryReply check) {
  switch (check) {
    case MemoryReply::Accepted: return "accepted";
    case MemoryReply::BadFrame: return "bad frame";
    case MemoryReply::BadChecksum: return "bad checksum";
    case MemoryReply::WrongBlock: return "wrong block";
  }
  return "refused";
}

bool InfoData(std::span<const std::uint8_t> reply, std::span<std::uint8_t> data) {
  const std::size_t length = data.size() + kInfoReplyOverhead;
  if (reply.size() < length) return false;
  const auto covered = reply.subspan(1, kInfoHeaderLength + data.size());
  if (reply[0] != kStx || reply[length - 1] != kEtx || Checksum(covered) != reply[length - 2]) return false;
  std::copy_n(covered.begin() + kInfoHeaderLength, data.size(), data.begin());
  return true;
}

bool TuneData(std::span<const std::uint8_t> reply, std::uint16_t index, std::span<std::uint8_t> data) {
  std::array<std::uint8_t, 5> head{kStx, kTune, kSubC, 0, 0};
  WriteLe16(head, 3, index);
  if (reply.size() < data.size() + 6 || !std::equal(head.begin(), head.end(), reply.begin())) return false;
  std::copy_n(reply.begin() + head.size(), data.size(), data.begin());
  return true;
}

void ReadVersionItem(std::span<const std::uint8_t, 32> item, std::string_view reference, RadioIdentity& identity) {
  identity.version = TextOfField(item.first(kVersionFieldLength));
  identity.modelId = TextOfField(item.subspan(kVersionFieldLength));
  // Byte by byte, unsigned.
  std::array<std::uint8_t, 4> ref{};
  std::memcpy(ref.data(), reference.data(), std::min<std::size_t>(ref.size(), reference.size()));
  const int c = std::memcmp(item.data(), ref.data(), ref.size());
  identity.versionOrder = c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace vex::replies
