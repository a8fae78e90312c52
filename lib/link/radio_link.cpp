#include "link/radio_link.h"

#include "base/byte_order.h"
#include "base/field_text.h"
#include "link/protocol.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace vex {

using namespace protocol;

namespace {

constexpr std::array<std::uint8_t, 4> kGreetingRequest{kStx, protocol::kGreeting, kSubA, kEtx};
constexpr std::array<std::uint8_t, 6> kGreetingReply{kStx, kAck, kStatusAccepted, protocol::kGreeting, kSubA, kEtx};

bool IsAck(const std::uint8_t* reply, std::uint8_t status, std::uint8_t command, std::uint8_t sub) {
  const std::vector<std::uint8_t> expected = MakeAck(status, command, sub);
  return std::equal(expected.begin(), expected.end(), reply);
}

}  // namespace

int CRadioLink::ExchangeAck(std::span<const std::uint8_t> request, std::uint8_t command, std::uint8_t sub) {
  std::array<std::uint8_t, kAckLength> reply{};
  if (!TransactRetry(request, reply.data(), reply.size(), kTries)) return 0;
  return IsAck(reply.data(), kStatusAccepted, command, sub) ? 1 : 0;
}

int CRadioLink::Handshake() {
  std::array<std::uint8_t, kAckLength> reply{};
  if (!TransactRetry(kGreetingRequest, reply.data(), reply.size(), kTries) || reply != kGreetingReply) return 0;
  PurgeInput();
  return 1;
}

int CRadioLink::HandshakeLong() {
  std::array<std::uint8_t, kAckLength> reply{};
  for (int round = 0; round < kLongGreetingRounds; ++round) {
    if (!TransactRetry(kGreetingRequest, reply.data(), reply.size(), kTries)) continue;
    if (reply != kGreetingReply) return 0;
    PurgeInput();
    return 1;
  }
  return 0;
}

int CRadioLink::SetMode(std::uint16_t code) {
  std::array<std::uint8_t, 6> request{kStx, kMode, kSubA, 0, 0, kEtx};
  WriteLe16(request, 3, code);
  std::array<std::uint8_t, kAckLength> reply{};
  if (!TransactRetry(request, reply.data(), reply.size(), kTries)) return 0;
  if (IsAck(reply.data(), kStatusAccepted, kMode, kSubA)) return 1;
  if (IsAck(reply.data(), kStatusPassword, kMode, kSubA)) return -1;
  return 0;
}

int CRadioLink::ReadMemory(std::uint32_t address, std::uint16_t length, std::uint8_t* destination) {
  std::array<std::uint8_t, 10> request{kStx, kMemory, kSubB, 0, 0, 0, 0, 0, 0, kEtx};
  WriteLe32(request, 3, address);
  WriteLe16(request, 7, length);
  std::vector<std::uint8_t> reply(length + kMemoryReplyOverhead);
  if (!TransactRetry(request, reply.data(), reply.size(), kTries)) return 0;
  // Only the checksum over header and data is verified.
  const std::span<const std::uint8_t> covered(reply.data() + 1, kMemoryHeaderLength + length);
  if (Checksum(covered) != reply[length + kMemoryHeaderLength + 1]) return 0;
  std::memcpy(destination, reply.data() + 1 + kMemoryHeaderLength, length);
  return 1;
}

int CRadioLink::WriteMemory(std::uint32_t address, std::uint16_t length, const std::uint8_t* source) {
  Pause(Timing().writePause);
  std::vector<std::uint8_t> request(length + kMemoryReplyOverhead);
  request[0] = kStx;
  request[1] = kMemory;
  request[2] = kSubA;
  WriteLe16(request, 3, static_cast<std::uint16_t>(length + 5));
  WriteLe32(request, 5, address);
  std::memcpy(request.data() + 9, source, length);
  request[length + 9] = Checksum(std::span(request).subspan(1, length + 8));
  request[length + 10] = kEtx;
  return ExchangeAck(request, kMemory, kSubA);
}

int CRadioLink::ReadInfoItem(std::uint8_t item, std::uint8_t* destination, std::size_t length) {
  const std::array<std::uint8_t, 6> request{kStx, kInfo, kSubB, item, 0x00, kEtx};
  std::vector<std::uint8_t> reply(length + kInfoReplyOverhead);
  if (!TransactRetry(request, reply.data(), reply.size(), kTries)) return 0;
  const std::span<const std::uint8_t> covered(reply.data() + 1, kInfoHeaderLength + length);
  if (reply.front() != kStx || reply.back() != kEtx || Checksum(covered) != reply[length + kInfoHeaderLength + 1])
    return 0;
  std::memcpy(destination, reply.data() + 1 + kInfoHeaderLength, length);
  return 1;
}

int CRadioLink::QueryIdentity(std::string_view reference, RadioIdentity& identity) {
  std::array<std::uint8_t, kModelNameLength> name{};
  if (ReadInfoItem(kItemModelName, name.data(), name.size())) identity.modelName = TextOfField(name);
  std::array<std::uint8_t, kBandBlockLength> band{};
  if (ReadInfoItem(kItemBand, band.data(), band.size())) identity.band = band;
  std::uint8_t signalling = 0;
  if (ReadInfoItem(kItemSignalling, &signalling, 1)) identity.signalling = signalling;
  std::array<std::uint8_t, kVersionItemLength> version{};
  if (!ReadInfoItem(kItemVersion, version.data(), version.size())) return 0;
  identity.version = TextOfField(std::span(version).first(kVersionFieldLength));
  identity.modelId = TextOfField(std::span(version).subspan(kVersionFieldLength));
  // Compare the radio's first four version bytes with the reference's
  // first four characters, unsigned, byte by byte.
  std::array<std::uint8_t, 4> ref{};
  std::memcpy(ref.data(), reference.data(), std::min<std::size_t>(4, reference.size()));
  const int c = std::memcmp(version.data(), ref.data(), ref.size());
  identity.versionOrder = c < 0 ? -1 : (c > 0 ? 1 : 0);
  return 1;
}

int CRadioLink::SendPassword(std::string_view password, std::uint8_t kind) {
  std::array<std::uint8_t, 17> request{};
  request[0] = kStx;
  request[1] = kPassword;
  request[2] = kSubB;
  WriteLe16(request, 3, 11);
  request[5] = kind;
  request[6] = 0x00;
  std::memcpy(&request[7], password.data(), std::min(password.size(), kPasswordLength));
  request[15] = Checksum(std::span(request).subspan(1, 14));
  request[16] = kEtx;
  return ExchangeAck(request, kPassword, kSubB);
}

int CRadioLink::ReadTune(std::uint16_t index, std::uint8_t* destination, std::uint16_t length) {
  if (SetMode(kModeTune) == 0) return -1;
  std::array<std::uint8_t, 6> request{kStx, kTune, kSubB, 0, 0, kEtx};
  WriteLe16(request, 3, index);
  std::vector<std::uint8_t> reply(length + 6u);
  if (!TransactRetry(request, reply.data(), reply.size(), kTries)) return 0;
  const std::array<std::uint8_t, 5> head{kStx, kTune, kSubC, request[3], request[4]};
  if (!std::equal(head.begin(), head.end(), reply.begin())) return 0;
  std::memcpy(destination, reply.data() + 5, length);
  return 1;
}

int CRadioLink::WriteTune(std::uint16_t index, const std::uint8_t* source, std::uint16_t length) {
  std::vector<std::uint8_t> request(length + 6u);
  request[0] = kStx;
  request[1] = kTune;
  request[2] = kSubA;
  WriteLe16(request, 3, index);
  std::memcpy(request.data() + 5, source, length);
  request.back() = kEtx;
  return ExchangeAck(request, kTune, kSubA);
}

int CRadioLink::EndTune(bool keep) {
  const std::uint8_t sub = keep ? kTuneKeep : kTuneDiscard;
  const std::array<std::uint8_t, 6> request{kStx, kTune, sub, 0x00, 0x00, kEtx};
  return ExchangeAck(request, kTune, sub);
}

int CRadioLink::SetOutput(std::uint8_t first, std::uint8_t second) {
  const std::array<std::uint8_t, 6> request{kStx, kOutput, first, second, 0x00, kEtx};
  return ExchangeAck(request, kOutput, first);
}

}  // namespace vex
