// Link timings and waits for tests against the simulated radio.
#pragma once

#include "link/link_timing.h"
#include "sim/simulated_radio.h"

#include <chrono>
#include <thread>

namespace vex::test {

// The real pauses, with a reply time-out that no busy machine outlasts while
// the simulator answers: the link takes a complete reply at once, so the
// time-out costs only where the radio leaves a request unanswered. Tests of
// a radio that never answers keep the real time-out, as no reply can come
// late there.
inline LinkTiming SimTiming() {
  LinkTiming t;
  t.replyTimeout = std::chrono::seconds(1);
  return t;
}

// Short pauses for tests about the data a transfer carries rather than the
// link: with an unpaced simulator a whole image moves in well under a second.
inline LinkTiming QuickTiming() {
  LinkTiming t = SimTiming();
  t.configurePause = std::chrono::microseconds(500);
  t.requestPause = std::chrono::microseconds(1500);
  t.writePause = std::chrono::microseconds(0);
  return t;
}

// Waits until the radio has taken `count` requests or some seconds have
// passed; returns how many it took. The link may give up on a request before
// the simulator has read it.
inline int WaitForRequests(const sim::SimulatedRadio& radio, int count) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (radio.RequestCount() < count && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  return radio.RequestCount();
}

}  // namespace vex::test
