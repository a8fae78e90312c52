#include "workflow/station/station.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace vex {

Station::Station(StationShared& shared, StationRun run, ImageChooser choose, StationEvents events)
    : shared_(shared),
      run_(std::move(run)),
      choose_(std::move(choose)),
      events_(std::move(events)),
      watcher_(run_.watchDir) {}

Station::~Station() {
  for (auto& [id, job] : jobs_) {
    if (job.thread.joinable()) job.thread.join();
  }
  for (int fd : done_) {
    if (fd >= 0) ::close(fd);
  }
}

int Station::takeNumber() {
  if (freeNumbers_.empty()) return nextNumber_++;
  const int number = *freeNumbers_.begin();
  freeNumbers_.erase(freeNumbers_.begin());
  return number;
}

void Station::start(const std::string& name) {
  const std::filesystem::path device = run_.watchDir / name;
  std::error_code ec;
  std::filesystem::path port = std::filesystem::weakly_canonical(device, ec);
  if (ec) port = device;
  ++started_;
  const int id = nextJob_++;
  Job& job = jobs_[id];
  job.radio = {device.string(), port.string(), takeNumber()};
  if (events_.started) events_.started(job.radio);
  job.thread = std::thread([this, id, &job] {
    job.result = ProgramRadio(shared_, job.radio, run_.steps, choose_, [this, &job](RadioPhase phase, int percent) {
      if (events_.progress) events_.progress(job.radio, phase, percent);
    });
    [[maybe_unused]] const ssize_t sent = ::write(done_[1], &id, sizeof id);
  });
}

void Station::collect(int id) {
  const auto it = jobs_.find(id);
  if (it == jobs_.end()) return;
  Job& job = it->second;
  job.thread.join();
  ++finished_;
  if (!job.result.ok()) {
    ++failed_;
    freeNumbers_.insert(job.radio.sequence);
  }
  if (events_.finished) events_.finished(job.result);
  const std::string name = std::filesystem::path(job.radio.device).filename().string();
  const bool again = job.again && present_.count(name) != 0;
  jobs_.erase(it);
  if (again && takesMore()) start(name);
}

void Station::onDeviceEvents() {
  for (const DeviceEvent& event : watcher_.take()) {
    Job* running = nullptr;
    for (auto& [id, job] : jobs_) {
      if (std::filesystem::path(job.radio.device).filename() == event.name) running = &job;
    }
    if (event.kind == DeviceEvent::Kind::Vanished) {
      present_.erase(event.name);
      if (running != nullptr) running->again = false;
      continue;
    }
    present_.insert(event.name);
    if (running != nullptr) {
      running->again = true;
    } else if (takesMore()) {
      start(event.name);
    }
  }
}

std::string Station::run() {
  if (::pipe2(done_, O_CLOEXEC) != 0) return std::string("pipe: ") + std::strerror(errno);
  if (const std::string why = watcher_.start(); !why.empty()) return why;
  onDeviceEvents();
  while (takesMore() || !jobs_.empty()) {
    pollfd waits[3] = {{done_[0], POLLIN, 0}, {watcher_.fd(), POLLIN, 0}, {stopping_ ? -1 : run_.stopFd, POLLIN, 0}};
    if (::poll(waits, 3, -1) < 0) {
      if (errno == EINTR) continue;
      return std::string("poll: ") + std::strerror(errno);
    }
    if ((waits[2].revents & (POLLIN | POLLHUP)) != 0) stopping_ = true;
    if ((waits[0].revents & POLLIN) != 0) {
      int id = -1;
      if (::read(done_[0], &id, sizeof id) == static_cast<ssize_t>(sizeof id)) collect(id);
    }
    if ((waits[1].revents & POLLIN) != 0) onDeviceEvents();
  }
  return {};
}

}  // namespace vex
