// Puts a SimulatedRadio on a pseudo-terminal. The program opens the slave
// side (SlavePath) as it would a serial port; the host answers each request
// frame, pacing replies at wire speed when the radio's options ask for it.
#pragma once

#include "sim/frame_parser.h"
#include "sim/simulated_radio.h"

#include <atomic>
#include <chrono>
#include <deque>
#include <string>
#include <thread>

namespace vex::sim {

class PtyHost {
 public:
  explicit PtyHost(SimulatedRadio& radio);
  ~PtyHost();
  PtyHost(const PtyHost&) = delete;
  PtyHost& operator=(const PtyHost&) = delete;

  // Creates the pseudo-terminal and starts answering; false on failure.
  bool Start();
  // Stops answering and closes the terminal: the program sees a hang-up and
  // the path leads nowhere until the host is destroyed or started again.
  void Stop();
  const std::string& SlavePath() const { return slavePath_; }

 private:
  using Clock = std::chrono::steady_clock;
  struct Outgoing {
    std::vector<std::uint8_t> bytes;
    Clock::time_point start;
    std::size_t sent = 0;
  };

  void Run();
  void Receive(Clock::time_point now);
  void Schedule(Reply reply, std::size_t requestLength, Clock::time_point now);
  void SendDue(Clock::time_point now);
  Clock::time_point DueTime(const Outgoing& out, std::size_t index) const;
  Clock::time_point NextDue() const;

  SimulatedRadio& radio_;
  int master_ = -1;
  int slave_ = -1;
  int wake_ = -1;
  std::string slavePath_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  FrameParser parser_;
  std::deque<Outgoing> outgoing_;
};

}  // namespace vex::sim
