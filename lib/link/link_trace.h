// A protocol trace for bug reports: every frame sent and received on the
// ports that share it, one line each with the time since the trace began,
// the port, the direction and the bytes in hex. Several links may write to
// one trace from their own threads.
#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace vex {

class LinkTrace {
 public:
  explicit LinkTrace(std::ostream& out);

  // "0.031245 /dev/ttyUSB0 > 02 50 61 03"; an empty receive reads "< (nothing)".
  void sent(const std::string& port, std::span<const std::uint8_t> bytes);
  void received(const std::string& port, std::span<const std::uint8_t> bytes);
  // An event on the port without bytes: opened, closed, a time-out.
  void note(const std::string& port, std::string_view text);

 private:
  void line(const std::string& port, std::string_view marker, std::string_view rest);

  std::ostream& out_;
  std::mutex mutex_;
  std::chrono::steady_clock::time_point start_;
};

// "02 50 61 03".
std::string HexBytes(std::span<const std::uint8_t> bytes);

}  // namespace vex
