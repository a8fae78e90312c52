// A pseudo-terminal whose far end a test scripts: every chunk the program
// sends is recorded and answered by the test's handler.
#pragma once

#include "link/link_timing.h"

#include <atomic>
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
  // Closes the far end: the program sees a hang-up.
  void HangUp();

 private:
  void Run();

  Handler handler_;
  int master_ = -1;
  int slave_ = -1;
  std::string path_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<Bytes> requests_;
};

// Timings shrunk so that unit tests run fast.
inline LinkTiming FastTiming() {
  LinkTiming t;
  t.configurePause = std::chrono::microseconds(500);
  t.requestPause = std::chrono::microseconds(2000);
  t.replyTimeout = std::chrono::microseconds(20000);
  t.writePause = std::chrono::microseconds(200);
  return t;
}

}  // namespace vex::test
