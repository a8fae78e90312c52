#include "radio_jobs.h"

#include "config/app_settings.h"

#include <algorithm>
#include <cstring>
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

bool TraceFile::open(Environment& env, const std::string& path) {
  if (path.empty()) return true;
  file_.open(path, std::ios::out | std::ios::trunc);
  if (!file_) {
    env.err() << "vexprog-cli: cannot write the trace (" << path << ": " << std::strerror(errno) << ")\n";
    return false;
  }
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
    job.succeeded = job.transfer->Start() == StartResult::Started && job.transfer->Wait() == TransferOutcome::Succeeded;
  };
  if (jobs_.size() == 1) {
    runOne(jobs_.front());
  } else {
    std::vector<std::thread> workers;
    for (RadioJob& job : jobs_) workers.emplace_back(runOne, std::ref(job));
    for (std::thread& worker : workers) worker.join();
  }
  shared_.progress.finish();
  return std::all_of(jobs_.begin(), jobs_.end(), [](const RadioJob& job) { return job.succeeded; });
}

}  // namespace vex::cli
