// The station's record of every radio: one JSON line per radio and attempt,
// appended with a single write() on a descriptor opened with O_APPEND, so that
// lines of radios that finish at once, or of two stations sharing the file,
// never tear or interleave.
#pragma once

#include "workflow/station/radio_job.h"

#include <string>

namespace vex {

// {"time", "device", "port", "sequence", "model", "firmware", "serial_number",
//  "sha256", "written", "verify", "backup", "result", "error", "seconds"}
std::string AuditLine(const RadioResult& result);

class AuditLog {
 public:
  AuditLog() = default;
  ~AuditLog();
  AuditLog(const AuditLog&) = delete;
  AuditLog& operator=(const AuditLog&) = delete;

  // Opens (or makes, readable by its owner only) the file; "" when it can
  // be written, else why not.
  std::string open(const std::string& path);
  bool isOpen() const { return fd_ >= 0; }
  // False when the line could not be written whole.
  bool append(const RadioResult& result);

 private:
  int fd_ = -1;
};

}  // namespace vex
