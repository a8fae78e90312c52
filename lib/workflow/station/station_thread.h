// A station running on a thread of its own, for a program whose own thread
// must stay free to draw its window. The station's events come on the
// station's threads, as Station gives them; the program passes them on to
// its own thread. stop() ends the station after the radios in progress.
#pragma once

#include "workflow/station/station.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace vex {

struct StationEnd {
  std::string error;  // why the station could not run; "" after it ran
  std::size_t finished = 0;
  std::size_t failed = 0;
};

class StationThread {
 public:
  using Ended = std::function<void(const StationEnd&)>;  // on the station's thread, its last call

  // The shared state, the chooser and the events must outlive the thread.
  StationThread(StationShared& shared, StationRun run, ImageChooser choose, StationEvents events, Ended ended);
  // Asks the station to stop and waits for the radios in progress.
  ~StationThread();
  StationThread(const StationThread&) = delete;
  StationThread& operator=(const StationThread&) = delete;

  // Starts the thread; "" when it runs, else why not.
  std::string start();
  // Takes no new radio and ends after those in progress. Never waits.
  void stop();
  bool stopping() const { return stopping_; }

 private:
  std::unique_ptr<Station> station_;
  Ended ended_;
  int stop_[2] = {-1, -1};
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace vex
