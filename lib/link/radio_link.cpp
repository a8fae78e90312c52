#include "link/radio_link.h"

#include "base/byte_order.h"
#include "base/field_text.h"
#include "link/protocol.h"
#include "link/replies.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace vex {

using namespace protocol;

namespace {

constexpr std::array<std::uint8_t, 4> kGreetingRequest{kStx, protocol::kGreeting, kSubA, kEtx};

}  // namespace

int CRadioLink::ExchangeAck(std::span<const std::uint8_t> request, std::uint8_t command, std::uint8_t sub) {
  std::array<std::uint8_t, kAckLength> reply{};
  if (!TransactRetry(request, reply.data(), reply.size(), kTries)) return 0;
  return replies::IsAck(reply, kStatusAccepted, command, sub) ? 1 : 0;
}

void CRadioLink::StartSession() {
  PurgeInput();
  memoryEcho_ = replies::HeaderEcho::Unknown;
  refusedReplies_ = 0;
}

int CRadioLink::Handshake() {
  std::array<std::uint8_t, kAckLength> reply{};
  if (!TransactRetry(kGreetingRequest, reply.data(), reply.size(), kTries) || !replies::IsGreeting(reply)) return 0;
  StartSession();
  return 1;
}

int CRadioLink::HandshakeLong() {
  std::array<std::uint8_t, kAckLength> reply{};
  for (int round = 0; round < kLongGreetingRounds; ++round) {
    if (!TransactRetry(kGreetingRequest, reply.data(), reply.size(), kTries)) continue;
    if (!replies::IsGreeting(reply)) return 0;
    StartSession();
    return 1;
  }
  return 0;
}

int CRadioLink::SetMode(std::uint16_t code) {
  std::array<std::uint8_t, 6> request{kStx, kMode, kSubA, 0, 0, kEtx};
  WriteLe16(request, 3, code);
  std::array<std::uint8_t, kAckLength> reply{};
  modeRefused_ = false;
  if (!TransactRetry(request, reply.data(), reply.size(), kTries)) return 0;
  const int answer = replies::ModeAnswer(reply);
  modeRefused_ = answer == 0;
  return answer;
}

int CRadioLink::ReadMemory(std::uint32_t address, std::uint16_t length, std::uint8_t* destination) {
  std::array<std::uint8_t, 10> request{kStx, kMemory, kSubB, 0, 0, 0, 0, 0, 0, kEtx};
  WriteLe32(request, 3, address);
  WriteLe16(request, 7, length);
  std::vector<std::uint8_t> reply(length + kMemoryReplyOverhead);
  if (!TransactPatiently(request, reply.data(), reply.size(), kTries)) return 0;
  const replies::MemoryReply check = replies::CheckMemoryReply(reply, address, {destination, length}, memoryEcho_);
  if (check == replies::MemoryReply::Accepted) return 1;
  ++refusedReplies_;
  TraceNote(std::string("memory reply refused: ") + replies::MemoryReplyFault(check) + " (" +
            std::to_string(refusedReplies_) + " refused)");
  return 0;
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
  std::array<std::uint8_t, kAckLength> reply{};
  if (!TransactPatiently(request, reply.data(), reply.size(), kTries)) return 0;
  return replies::IsAck(reply, kStatusAccepted, kMemory, kSubA) ? 1 : 0;
}

int CRadioLink::ReadInfoItem(std::uint8_t item, std::uint8_t* destination, std::size_t length) {
  const std::array<std::uint8_t, 6> request{kStx, kInfo, kSubB, item, 0x00, kEtx};
  std::vector<std::uint8_t> reply(length + kInfoReplyOverhead);
  if (!TransactRetry(request, reply.data(), reply.size(), kTries)) return 0;
  return replies::InfoData(reply, {destination, length}) ? 1 : 0;
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
  replies::ReadVersionItem(version, reference, identity);
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
  return replies::TuneData(reply, index, {destination, length}) ? 1 : 0;
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
