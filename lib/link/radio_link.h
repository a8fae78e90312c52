// The radio's programming commands on top of the serial frame layer. Each
// command sends one request with three tries and checks the reply; a reply of
// the right length but wrong content fails the command at once.
#pragma once

#include "link/radio_identity.h"
#include "link/replies.h"
#include "link/serial_port.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace vex {

class CRadioLink : public CSerialPort {
 public:
  static constexpr int kTries = 3;
  static constexpr int kLongGreetingRounds = 10;

  explicit CRadioLink(LinkTiming timing = {}) : CSerialPort(timing) {}
  ~CRadioLink() override = default;

  int Handshake();
  int HandshakeLong();
  // 1 accepted, -1 the radio asks for its password, 0 no valid answer.
  int SetMode(std::uint16_t code);
  // After SetMode gave 0: true when a whole reply came and refused the mode,
  // false when none came.
  bool ModeRefused() const { return modeRefused_; }
  int ReadMemory(std::uint32_t address, std::uint16_t length, std::uint8_t* destination);
  int WriteMemory(std::uint32_t address, std::uint16_t length, const std::uint8_t* source);
  // 1 when item 8 was read; items 3, 5 and 7 that fail leave their fields as they were.
  int QueryIdentity(std::string_view reference, RadioIdentity& identity);
  // At most 8 characters are sent; kind 2 opens a read, 1 a write.
  int SendPassword(std::string_view password, std::uint8_t kind);
  // 1 data copied, 0 failure, -1 when the tuning mode switch got no answer.
  int ReadTune(std::uint16_t index, std::uint8_t* destination, std::uint16_t length);
  int WriteTune(std::uint16_t index, const std::uint8_t* source, std::uint16_t length);
  int EndTune(bool keep);
  int SetOutput(std::uint8_t first, std::uint8_t second);

  // Memory replies refused for their frame, checksum or block since opening.
  int RefusedReplies() const { return refusedReplies_; }

 private:
  int ExchangeAck(std::span<const std::uint8_t> request, std::uint8_t command, std::uint8_t sub);
  int ReadInfoItem(std::uint8_t item, std::uint8_t* destination, std::size_t length);
  // A greeting starts a session with a radio, which may echo or not.
  void StartSession();

  replies::HeaderEcho memoryEcho_ = replies::HeaderEcho::Unknown;
  int refusedReplies_ = 0;
  bool modeRefused_ = false;
};

}  // namespace vex
