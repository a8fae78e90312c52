#include "workflow/station/station_thread.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <exception>

namespace vex {

StationThread::StationThread(StationShared& shared, StationRun run, ImageChooser choose, StationEvents events,
                             Ended ended)
    : ended_(std::move(ended)) {
  if (::pipe2(stop_, O_CLOEXEC | O_NONBLOCK) != 0) stop_[0] = stop_[1] = -1;
  run.stopFd = stop_[0];
  station_ = std::make_unique<Station>(shared, std::move(run), std::move(choose), std::move(events));
}

StationThread::~StationThread() {
  stop();
  if (thread_.joinable()) thread_.join();
  station_.reset();
  for (int fd : stop_) {
    if (fd >= 0) ::close(fd);
  }
}

std::string StationThread::start() {
  if (stop_[0] < 0) return std::string("pipe: ") + std::strerror(errno);
  if (thread_.joinable()) return "the station runs already";
  thread_ = std::thread([this] {
    StationEnd end;
    try {
      end.error = station_->run();
    } catch (const std::exception& e) {
      end.error = std::string("unexpected failure: ") + e.what();
    }
    end.finished = station_->finished();
    end.failed = station_->failed();
    if (ended_) ended_(end);
  });
  return {};
}

void StationThread::stop() {
  if (stopping_.exchange(true) || stop_[1] < 0) return;
  const char byte = 1;
  [[maybe_unused]] const ssize_t sent = ::write(stop_[1], &byte, 1);
}

}  // namespace vex
