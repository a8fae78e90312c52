// The radios one command talks to: one job per --port, or one job for the
// remembered port and the scan when no port is named. Each job has its own
// host, image buffer and transfer; run() starts them all at once, one thread
// per radio, so that programming four radios takes about as long as one.
#pragma once

#include "cli_transfer_host.h"

#include "core/image_codec.h"
#include "link/image_transfer.h"
#include "link/link_trace.h"
#include "link/port_map.h"

#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vex::cli {

struct RadioJob {
  std::string device;  // the named port's device; "" for the remembered port
  std::unique_ptr<Image> image;
  std::unique_ptr<CliTransferHost> host;
  std::unique_ptr<ImageTransfer> transfer;
  bool succeeded = false;
  bool stopped = false;  // by Ctrl+C or SIGTERM, after a whole block

  // "/dev/ttyUSB0", or "the radio" for the remembered port.
  std::string name() const { return device.empty() ? "the radio" : device; }
};

// The devices of the ports named on the command line, each checked: a COMn
// that stands for no device, or a port named twice, is refused with a message.
std::optional<std::vector<std::string>> ResolvePorts(Environment& env, const PortLookup& lookup,
                                                     const std::vector<std::string>& names);

// --trace FILE: the file and the trace writing to it; nothing without it.
// FILE may not be one of the command's own files; a trace it already holds
// is replaced, any other content is kept and the trace appended after a
// header line.
class TraceFile {
 public:
  // False after saying why the file cannot be written or must not be.
  bool open(Environment& env, const std::string& path, const std::vector<std::string>& commandFiles = {});
  LinkTrace* trace() { return trace_.get(); }

 private:
  std::ofstream file_;
  std::unique_ptr<LinkTrace> trace_;
};

class RadioJobs {
 public:
  // One job per device (one for the remembered port when there is none),
  // each starting from a copy of `image`.
  RadioJobs(HostShared& shared, TransferDirection direction, const std::vector<std::string>& devices,
            const Image& image, LinkTrace* trace);

  // Runs every transfer to its end; true when all succeeded. A stop signal
  // (see stop_signals.h) makes every transfer stop after its current block.
  bool run();
  std::vector<RadioJob>& jobs() { return jobs_; }

 private:
  HostShared& shared_;
  std::vector<RadioJob> jobs_;
};

}  // namespace vex::cli
