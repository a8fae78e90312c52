#include "link/link_trace.h"

#include <cstdio>

namespace vex {

std::string HexBytes(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(bytes.size() * 3);
  for (std::uint8_t b : bytes) {
    if (!text.empty()) text.push_back(' ');
    text.push_back(kDigits[b >> 4]);
    text.push_back(kDigits[b & 0x0F]);
  }
  return text;
}

LinkTrace::LinkTrace(std::ostream& out) : out_(out), start_(std::chrono::steady_clock::now()) {}

void LinkTrace::sent(const std::string& port, std::span<const std::uint8_t> bytes) { line(port, ">", HexBytes(bytes)); }

void LinkTrace::received(const std::string& port, std::span<const std::uint8_t> bytes) {
  line(port, "<", bytes.empty() ? "(nothing)" : HexBytes(bytes));
}

void LinkTrace::note(const std::string& port, std::string_view text) { line(port, "#", text); }

void LinkTrace::line(const std::string& port, std::string_view marker, std::string_view rest) {
  const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start_);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%lld.%06lld", static_cast<long long>(elapsed.count() / 1'000'000),
                static_cast<long long>(elapsed.count() % 1'000'000));
  std::lock_guard lock(mutex_);
  out_ << stamp << ' ' << port << ' ' << marker << ' ' << rest << '\n';
  out_.flush();
}

}  // namespace vex
