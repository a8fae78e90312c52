// The pauses and time-outs of the radio link in one place. The defaults are
// what a radio on a cable needs; unit tests shrink them to run fast.
#pragma once

#include <chrono>

namespace vex {

struct LinkTiming {
  // Pause after opening and configuring a port before the first request.
  std::chrono::microseconds configurePause{50'000};
  // Pause between sending a request and reading its reply.
  std::chrono::microseconds requestPause{30'000};
  // How long a reply may take once reading has started.
  std::chrono::microseconds replyTimeout{50'000};
  // Pause before every memory write request.
  std::chrono::microseconds writePause{10'000};
  // Before a retry: how long the line must stay quiet for the failed
  // attempt's late reply to count as over.
  std::chrono::microseconds retryQuiet{30'000};
};

// Time one byte takes on the line at 38400 baud with 8 data bits, a parity
// bit and two stop bits plus the start bit: 12 bit times.
inline constexpr std::chrono::nanoseconds kWireByteTime{12'000'000'000LL / 38400};

}  // namespace vex
