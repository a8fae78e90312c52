#include "sim/simulated_radio.h"

#include "base/byte_order.h"
#include "core/channel_encoding.h"
#include "core/factory_model.h"
#include "core/image_layout.h"
#include "core/schema/schema_table.h"
#include "core/sections/adjust_section.h"
#include "link/protocol.h"
#include "sim/default_image.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace vex::sim {

using namespace vex::protocol;

namespace {

// Frame with a checksum: STX, header and data, checksum, ETX.
std::vector<std::uint8_t> DataFrame(std::vector<std::uint8_t> headerAndData) {
  std::vector<std::uint8_t> frame{kStx};
  frame.insert(frame.end(), headerAndData.begin(), headerAndData.end());
  frame.push_back(Checksum(std::span(frame).subspan(1)));
  frame.push_back(kEtx);
  return frame;
}

bool ChecksumHolds(std::span<const std::uint8_t> frame) {
  // Covered bytes from after STX up to the checksum before ETX sum to 0.
  return frame.size() >= 4 && Checksum(frame.subspan(1, frame.size() - 2)) == 0;
}

}  // namespace

std::array<std::uint8_t, 9> EncodeBandBlock(std::uint8_t flags, int lowerMHz, int upperMHz) {
  std::array<std::uint8_t, 9> block{};
  block[0] = flags;
  WriteBe32(block, 1, MegahertzToBcd(std::clamp(lowerMHz, 0, 999)));
  WriteBe32(block, 5, MegahertzToBcd(std::clamp(upperMHz, 0, 999)));
  return block;
}

SimulatedRadio::SimulatedRadio(SimOptions options) : options_(std::move(options)) { SetMemory(DefaultImage()); }

Image SimulatedRadio::Memory() const {
  std::lock_guard lock(mutex_);
  return memory_;
}

void SimulatedRadio::SetMemory(const Image& image) {
  std::lock_guard lock(mutex_);
  memory_ = image;
  if (!options_.serialNumber.empty()) {
    const FieldDef& field = SchemaField(FieldArea::RadioInfo, "serial_number");
    const auto at = memory_.begin() + static_cast<long>(layout::kRadioInfo.first + field.offset);
    std::fill_n(at, field.width, 0);
    std::copy_n(options_.serialNumber.begin(), std::min<std::size_t>(options_.serialNumber.size(), field.width), at);
  }
}

int SimulatedRadio::RequestCount() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

int SimulatedRadio::Mode() const {
  std::lock_guard lock(mutex_);
  return mode_;
}

std::array<std::uint8_t, 2> SimulatedRadio::Output() const {
  std::lock_guard lock(mutex_);
  return output_;
}

std::optional<Reply> SimulatedRadio::Handle(std::span<const std::uint8_t> request) {
  std::lock_guard lock(mutex_);
  const int n = ++requests_;
  const SimFaults& f = options_.faults;
  if ((f.silentAfter >= 0 && n > f.silentAfter) || f.noReply.covers(n)) return std::nullopt;
  Reply reply{Answer(request), {}};
  // Every reply is an acknowledge or a data frame, at least six bytes.
  if (reply.bytes.size() < kAckLength) return std::nullopt;
  if (f.badChecksum.covers(n)) reply.bytes[reply.bytes.size() - 2] ^= 0x5A;
  if (f.shortReply.covers(n)) reply.bytes.erase(reply.bytes.end() - 2, reply.bytes.end());
  if (f.lateReply.covers(n)) reply.delay = f.lateBy;
  return reply;
}

bool SimulatedRadio::Unlocked(std::uint16_t mode) const {
  return mode_ == mode && (unlocked_ || IsOldFirmware(options_.version));
}

bool SimulatedRadio::MayWrite(std::uint32_t address, std::size_t length) const {
  const bool tuneSwitch = address == FactoryModel::kTuneSwitchAddress && length == 1;
  return Unlocked(kModeWrite) || (tuneSwitch && Unlocked(kModeRead));
}

std::vector<std::uint8_t> SimulatedRadio::Answer(std::span<const std::uint8_t> request) {
  const std::uint8_t command = request[1];
  const std::uint8_t sub = request[2];
  switch (command) {
    case kGreeting: return MakeAck(kStatusAccepted, kGreeting, sub);
    case kMode: return SwitchMode(ReadLe16(request, 3));
    case kMemory: return sub == kSubB ? ReadMemory(request) : WriteMemory(request);
    case kInfo: return InfoItem(request[3]);
    case kPassword: return CheckPassword(request);
    case kTune: return Tune(request);
    case kOutput: return Output(request);
    default: return {};
  }
}

std::vector<std::uint8_t> SimulatedRadio::SwitchMode(std::uint16_t code) {
  const auto& refused = options_.faults.refusedModes;
  if (std::find(refused.begin(), refused.end(), code) != refused.end()) return MakeAck(kStatusRejected, kMode, kSubA);
  mode_ = code;
  const std::string* password = code == kModeRead    ? &options_.readPassword
                                : code == kModeWrite ? &options_.writePassword
                                                     : nullptr;
  unlocked_ = password == nullptr || password->empty();
  return MakeAck(unlocked_ ? kStatusAccepted : kStatusPassword, kMode, kSubA);
}

std::vector<std::uint8_t> SimulatedRadio::ReadMemory(std::span<const std::uint8_t> request) {
  const std::uint32_t address = ReadLe32(request, 3);
  const std::uint16_t length = ReadLe16(request, 7);
  if (!Unlocked(kModeRead) || address > memory_.size() || length > memory_.size() - address ||
      address == options_.faults.failAddress)
    return MakeAck(kStatusRejected, kMemory, kSubB);
  std::vector<std::uint8_t> body(request.begin() + 1, request.begin() + 9);
  body[1] = kSubC;
  body.insert(body.end(), memory_.begin() + address, memory_.begin() + address + length);
  return DataFrame(std::move(body));
}

std::vector<std::uint8_t> SimulatedRadio::WriteMemory(std::span<const std::uint8_t> request) {
  if (request.size() < kMemoryReplyOverhead) return MakeAck(kStatusRejected, kMemory, kSubA);
  const std::size_t length = request.size() - kMemoryReplyOverhead;
  const std::uint32_t address = ReadLe32(request, 5);
  if (!ChecksumHolds(request) || !MayWrite(address, length) || address > memory_.size() ||
      length > memory_.size() - address || address == options_.faults.failAddress)
    return MakeAck(kStatusRejected, kMemory, kSubA);
  std::memcpy(memory_.data() + address, request.data() + 9, length);
  if (address == options_.faults.corruptAddress && length > 0) memory_[address] ^= 0xFF;
  return MakeAck(kStatusAccepted, kMemory, kSubA);
}

std::vector<std::uint8_t> SimulatedRadio::InfoItem(std::uint8_t item) {
  std::vector<std::uint8_t> data;
  auto putText = [&data](const std::string& text, std::size_t field) {
    const std::size_t at = data.size();
    data.resize(at + field, 0);
    std::memcpy(data.data() + at, text.data(), std::min(text.size(), field));
  };
  switch (item) {
    case kItemModelName: putText(options_.modelName, kModelNameLength); break;
    case kItemBand: {
      const auto band = EncodeBandBlock(options_.bandFlags, options_.bandLowerMHz, options_.bandUpperMHz);
      data.assign(band.begin(), band.end());
      break;
    }
    case kItemSignalling: data.push_back(options_.signalling); break;
    case kItemVersion:
      putText(options_.version, kVersionFieldLength);
      putText(options_.modelId, kVersionFieldLength);
      break;
    default: return MakeAck(kStatusRejected, kInfo, kSubB);
  }
  std::vector<std::uint8_t> body{kInfo, kSubC, item, 0, 0, 0};
  WriteLe16(body, 3, static_cast<std::uint16_t>(data.size()));
  body.insert(body.end(), data.begin(), data.end());
  return DataFrame(std::move(body));
}

std::vector<std::uint8_t> SimulatedRadio::CheckPassword(std::span<const std::uint8_t> request) {
  if (request.size() != 17 || !ChecksumHolds(request)) return MakeAck(kStatusRejected, kPassword, kSubB);
  const std::uint8_t kind = request[5];
  const auto* chars = reinterpret_cast<const char*>(&request[7]);
  const std::string given(chars, strnlen(chars, kPasswordLength));
  const bool forMode = (kind == kAccessRead && mode_ == kModeRead) || (kind == kAccessWrite && mode_ == kModeWrite);
  const std::string& expected = kind == kAccessRead ? options_.readPassword : options_.writePassword;
  if (!forMode || given != expected) return MakeAck(kStatusRejected, kPassword, kSubB);
  unlocked_ = true;
  return MakeAck(kStatusAccepted, kPassword, kSubB);
}

std::vector<std::uint8_t> SimulatedRadio::Tune(std::span<const std::uint8_t> request) {
  const std::uint8_t sub = request[2];
  const std::uint16_t index = ReadLe16(request, 3);
  if (sub == kTuneKeep || sub == kTuneDiscard) {
    if (sub == kTuneKeep) {
      for (const auto& [code, value] : pendingTune_) KeepTune(code, value);
    }
    pendingTune_.clear();
    output_ = {};
    return MakeAck(kStatusAccepted, kTune, sub);
  }
  if (mode_ != kModeTune) return MakeAck(kStatusRejected, kTune, sub);
  if (sub == kSubA) {
    pendingTune_[index] = {request[5], request[6]};
    return MakeAck(kStatusAccepted, kTune, kSubA);
  }
  const auto pending = pendingTune_.find(index);
  const std::array<std::uint8_t, 2> value = pending != pendingTune_.end() ? pending->second : KeptTune(index);
  return {kStx, kTune, kSubC, request[3], request[4], value[0], value[1], kEtx};
}

std::array<std::uint8_t, 2> SimulatedRadio::KeptTune(std::uint16_t code) const {
  if (const auto at = AdjustSection::positionOf(code)) {
    const std::size_t address = layout::kAdjust.first + *at;
    return {memory_[address], memory_[address + 1]};
  }
  const auto kept = tune_.find(code);
  return kept != tune_.end() ? kept->second : std::array<std::uint8_t, 2>{};
}

void SimulatedRadio::KeepTune(std::uint16_t code, std::array<std::uint8_t, 2> value) {
  if (const auto at = AdjustSection::positionOf(code)) {
    std::copy(value.begin(), value.end(), memory_.begin() + static_cast<std::ptrdiff_t>(layout::kAdjust.first + *at));
  } else {
    tune_[code] = value;
  }
}

std::vector<std::uint8_t> SimulatedRadio::Output(std::span<const std::uint8_t> request) {
  if (mode_ != kModeTune) return MakeAck(kStatusRejected, kOutput, request[2]);
  output_ = {request[2], request[3]};
  return MakeAck(kStatusAccepted, kOutput, request[2]);
}

}  // namespace vex::sim
