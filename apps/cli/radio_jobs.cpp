#include "radio_jobs.h"

#include "base/file_replace.h"
#include "config/app_settings.h"
#include "stop_signals.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <thread>

namespace vex::cli {

std::optional<std::vector<std::string>> ResolvePorts(Environment& env, const PortLookup& lookup,
                                                     const std::vector<std::string>& names) {
  std::vector<std::string> devices;
  for (const std::string& name : names) {
    const NamedPort port = ResolvePortName(name, lookup);
    if (port.status != NamedPort::Status::Device) {
      env.err() << "vexprog-cli: " << name << " stands for no serial device ('vexprog-cli ports' lists them)\n";
      return std::nullopt;
    }
    if (std::find(devices.begin(), devices.end(), port.device) != devices.end()) {
      env.err() << "vexprog-cli: " << port.device << " is named twice\n";
      return std::nullopt;
    }
    devices.push_back(port.device);
  }
  return devices;
}

namespace {

constexpr std::string_view kTraceHeader = "# vexprog-cli trace";

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (std::filesystem::exists(a, ec) && std::filesystem::exists(b, ec)) return std::filesystem::equivalent(a, b, ec);
  const auto pa = std::filesystem::weakly_canonical(LinkTarget(a), ec);
  const auto pb = std::filesystem::weakly_canonical(LinkTarget(b), ec);
  return !ec && pa == pb;
}

// Empty, or what a trace begins with: our header or "12.345678 ".
bool HoldsATraceOrNothing(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string first;
  std::getline(in, first);
  if (first.empty()) return in.eof() || !in;
  if (first.starts_with(kTraceHeader)) return true;
  const std::size_t dot = first.find('.');
  return dot > 0 && dot != std::string::npos && first.size() > dot + 7 && first[dot + 7] == ' ' &&
         std::all_of(first.begin(), first.begin() + static_cast<long>(dot + 7),
                     [](char c) { return c == '.' || (c >= '0' && c <= '9'); });
}

}  // namespace

bool TraceFile::open(Environment& env, const std::string& path, const std::vector<std::string>& commandFiles) {
  if (path.empty()) return true;
  for (const std::string& own : commandFiles) {
    if (own != "-" && SameFile(path, own)) {
      env.err() << "vexprog-cli: --trace " << path << " is a file the command reads or writes; give another file\n";
      return false;
    }
  }
  const bool replace = HoldsATraceOrNothing(path);
  file_.open(path, std::ios::out | (replace ? std::ios::trunc : std::ios::app));
  if (!file_) {
    env.err() << "vexprog-cli: cannot write the trace (" << path << ": " << std::strerror(errno) << ")\n";
    return false;
  }
  if (!replace) file_ << '\n' << kTraceHeader << '\n';
  trace_ = std::make_unique<LinkTrace>(file_);
  return true;
}

RadioJobs::RadioJobs(HostShared& shared, TransferDirection direction, const std::vector<std::string>& devices,
                     const Image& image, LinkTrace* trace)
    : shared_(shared) {
  const std::vector<std::string> named = devices.empty() ? std::vector<std::string>{""} : devices;
  shared_.severalRadios = named.size() > 1;
  for (std::size_t row = 0; row < named.size(); ++row) {
    RadioJob job;
    job.device = named[row];
    job.image = std::make_unique<Image>(image);
    job.host = std::make_unique<CliTransferHost>(shared_, direction, job.device, row);
    job.transfer = std::make_unique<ImageTransfer>(direction, *job.image, *job.host, shared_.env.linkTiming());
    job.transfer->Link().SetTrace(trace);
    jobs_.push_back(std::move(job));
  }
}

bool RadioJobs::run() {
  const auto runOne = [](RadioJob& job) {
    if (stop::Received() != 0) return;
    const StartResult started = job.transfer->Start();
    // A signal during the preparation: stop before the first block.
    if (started == StartResult::Started && stop::Received() != 0) job.transfer->RequestStop();
    const TransferOutcome outcome = started == StartResult::Started ? job.transfer->Wait() : TransferOutcome::Pending;
    job.succeeded = outcome == TransferOutcome::Succeeded;
    job.stopped = outcome == TransferOutcome::Stopped;
  };
  int finished[2] = {-1, -1};
  const bool watching = stop::WakeFd() >= 0 && ::pipe2(finished, O_CLOEXEC) == 0;
  // Passes a stop signal on to every transfer, until the jobs are done.
  std::thread watcher;
  if (watching) {
    watcher = std::thread([this, &finished] {
      pollfd waits[2] = {{stop::WakeFd(), POLLIN, 0}, {finished[0], POLLIN, 0}};
      while (::poll(waits, 2, -1) < 0 && errno == EINTR) {
      }
      if ((waits[0].revents & POLLIN) == 0) return;
      for (RadioJob& job : jobs_) job.transfer->RequestStop();
    });
  }
  if (jobs_.size() == 1) {
    runOne(jobs_.front());
  } else {
    std::vector<std::thread> workers;
    for (RadioJob& job : jobs_) workers.emplace_back(runOne, std::ref(job));
    for (std::thread& worker : workers) worker.join();
  }
  if (watching) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(finished[1], &byte, 1);
    watcher.join();
    ::close(finished[0]);
    ::close(finished[1]);
  }
  shared_.progress.finish();
  return std::all_of(jobs_.begin(), jobs_.end(), [](const RadioJob& job) { return job.succeeded; });
}

}  // namespace vex::cli
