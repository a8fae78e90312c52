// The programming station: watches a directory for serial devices, and
// programs every radio that appears on a thread of its own, so that radios
// plugged in together are programmed together. A radio plugged out and in
// again is programmed again. The station ends after a given number of
// radios, or when asked to stop; either way only after the radios in
// progress are done, never in the middle of a write.
#pragma once

#include "workflow/station/device_watcher.h"
#include "workflow/station/radio_job.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <thread>

namespace vex {

struct StationEvents {
  std::function<void(const StationRadio&)> started;                    // on run()'s thread
  std::function<void(const StationRadio&, RadioPhase, int)> progress;  // on the radio's thread
  std::function<void(const RadioResult&)> finished;                    // on run()'s thread
};

struct StationRun {
  std::filesystem::path watchDir = "/dev/serial/by-id";
  StationSteps steps;
  std::size_t count = 0;  // end after this many radios (attempts); 0: until stopped
  int stopFd = -1;        // readable: take no new radio and end after those in progress
};

class Station {
 public:
  Station(StationShared& shared, StationRun run, ImageChooser choose, StationEvents events);
  ~Station();
  Station(const Station&) = delete;
  Station& operator=(const Station&) = delete;

  // "" after the station ended, else why it could not watch its directory.
  std::string run();
  std::size_t finished() const { return finished_; }
  std::size_t failed() const { return failed_; }

 private:
  struct Job {
    StationRadio radio;
    std::thread thread;
    RadioResult result;
    bool again = false;  // plugged out and in while it ran
  };

  bool takesMore() const { return !stopping_ && (run_.count == 0 || started_ < run_.count); }
  void start(const std::string& name);
  void collect(int id);
  void onDeviceEvents();
  int takeNumber();

  StationShared& shared_;
  StationRun run_;
  ImageChooser choose_;
  StationEvents events_;
  DeviceWatcher watcher_;
  int done_[2] = {-1, -1};
  std::map<int, Job> jobs_;
  std::set<std::string> present_;
  std::set<int> freeNumbers_;  // given back by radios that failed
  int nextNumber_ = 1;
  int nextJob_ = 0;
  std::size_t started_ = 0;
  std::size_t finished_ = 0;
  std::size_t failed_ = 0;
  bool stopping_ = false;
};

}  // namespace vex
