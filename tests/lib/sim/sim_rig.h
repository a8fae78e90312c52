// A simulated radio on a pseudo-terminal with a scripted host that talks to
// it; the radio's memory holds a byte pattern.
#pragma once

#include "sim/pty_host.h"
#include "sim/simulated_radio.h"
#include "sim_timing.h"
#include "test_host.h"

#include <gtest/gtest.h>

namespace vex::test {

inline sim::Image Pattern(int seed) {
  sim::Image image{};
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + seed + i / 256);
  return image;
}

struct SimRig {
  explicit SimRig(sim::SimOptions options = {}) : radio(std::move(options)), pty(radio) {
    EXPECT_TRUE(pty.Start());
    host.device = pty.SlavePath();
    radio.SetMemory(Pattern(5));
  }
  sim::SimulatedRadio radio;
  sim::PtyHost pty;
  TestHost host;
};

// Requests before the first block of a factory read: greeting, four
// information items, mode.
inline constexpr int kIdentifiedPreamble = 6;

}  // namespace vex::test
