// The radio side of the programming protocol over an 8192-byte memory:
// greeting, mode switch with password request, memory read and write,
// information items, password, tuning values and the output switch. Faults
// of the options are applied to the replies. Starts with the program's
// default data. Thread-safe.
//
// Memory is read in mode 2 and written in mode 3, each after its password
// when one is set; the manual tune switch (181) is also written in mode 2.
// Tuning values are read, written and the output switched in mode 6. A
// written tuning value is live until the end of tuning keeps or drops it;
// kept values of the sub-items with a place in the adjustment values land
// there (high byte first), others are kept aside. Ending the tuning switches
// the output off.
#pragma once

#include "core/image_codec.h"
#include "sim/sim_options.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

namespace vex::sim {

using vex::Image;

struct Reply {
  std::vector<std::uint8_t> bytes;
  std::chrono::microseconds delay{0};  // extra time before it leaves
};

class SimulatedRadio {
 public:
  explicit SimulatedRadio(SimOptions options = {});

  // Answers one complete request frame; nullopt when the radio stays quiet.
  std::optional<Reply> Handle(std::span<const std::uint8_t> request);

  Image Memory() const;
  void SetMemory(const Image& image);
  int RequestCount() const;
  int Mode() const;
  // Bytes of the last output switch command.
  std::array<std::uint8_t, 2> Output() const;
  const SimOptions& Options() const { return options_; }

 private:
  std::vector<std::uint8_t> Answer(std::span<const std::uint8_t> request);
  std::vector<std::uint8_t> SwitchMode(std::uint16_t code);
  std::vector<std::uint8_t> ReadMemory(std::span<const std::uint8_t> request);
  std::vector<std::uint8_t> WriteMemory(std::span<const std::uint8_t> request);
  std::vector<std::uint8_t> InfoItem(std::uint8_t item);
  std::vector<std::uint8_t> CheckPassword(std::span<const std::uint8_t> request);
  std::vector<std::uint8_t> Tune(std::span<const std::uint8_t> request);
  std::vector<std::uint8_t> Output(std::span<const std::uint8_t> request);
  bool Unlocked(std::uint16_t mode) const;
  bool MayWrite(std::uint32_t address, std::size_t length) const;
  std::array<std::uint8_t, 2> KeptTune(std::uint16_t code) const;
  void KeepTune(std::uint16_t code, std::array<std::uint8_t, 2> value);

  SimOptions options_;
  mutable std::mutex mutex_;
  Image memory_;
  int requests_ = 0;
  std::uint16_t mode_ = 1;
  bool unlocked_ = false;
  std::map<std::uint16_t, std::array<std::uint8_t, 2>> tune_;
  std::map<std::uint16_t, std::array<std::uint8_t, 2>> pendingTune_;
  std::array<std::uint8_t, 2> output_{};
};

// The 9-byte band block: flags, then lower and upper edge as 8 BCD digits of
// 10 Hz units, most significant first.
std::array<std::uint8_t, 9> EncodeBandBlock(std::uint8_t flags, int lowerMHz, int upperMHz);

}  // namespace vex::sim
