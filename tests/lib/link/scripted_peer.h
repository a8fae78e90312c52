// A pseudo-terminal whose far end a test scripts: every request the program
// sends is recorded and answered by the test's handler.
#pragma once

#include "link/link_timing.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vex::test {

using Bytes = std::vector<std::uint8_t>;

class ScriptedPeer {
 public:
  using Handler = std::function<Bytes(const Bytes& request, int index)>;

  explicit ScriptedPeer(Handler handler);
  ~ScriptedPeer();
  const std::string& Path() const { return path_; }
  std::vector<Bytes> Requests() const;
  // Waits until `count` requests have arrived or a few seconds have passed;
  // returns how many arrived. The program may have given up on a request
  // before this thread got to read it.
  std::size_t WaitForRequests(std::size_t count) const;
  // Closes the far end: the program sees a hang-up. The terminal's number
  // stays taken until the peer is destroyed, so no other terminal can
  // appear under its path meanwhile.
  void HangUp();

 private:
  void Run();
  void Answer(const Bytes& request);

  Handler handler_;
  int master_ = -1;
  int slave_ = -1;
  std::string path_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  Bytes pending_;
  mutable std::mutex mutex_;
  mutable std::condition_variable arrived_;
  std::vector<Bytes> requests_;
};

// Link timings for tests on a scripted peer. The pauses are short. A peer
// that answers gets a reply time-out no busy machine outlasts (the link
// returns as soon as the reply is complete, so it costs nothing); a test
// whose peer never answers in full waits out short time-outs, and its
// outcome does not depend on when the peer reads.
inline LinkTiming FastTiming() {
  LinkTiming t;
  t.configurePause = std::chrono::microseconds(500);
  t.requestPause = std::chrono::microseconds(2000);
  t.replyTimeout = std::chrono::microseconds(2'000'000);
  t.writePause = std::chrono::microseconds(200);
  return t;
}

inline LinkTiming SilentPeerTiming() {
  LinkTiming t = FastTiming();
  t.replyTimeout = std::chrono::microseconds(20'000);
  return t;
}

// For tests where the peer stays silent a few times and then must answer in
// time: each silence costs the whole time-out.
inline LinkTiming PatientTiming() {
  LinkTiming t = FastTiming();
  t.replyTimeout = std::chrono::microseconds(500'000);
  return t;
}

}  // namespace vex::test
