#include "workflow/station/audit_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <nlohmann/json.hpp>

namespace vex {

namespace {

nlohmann::ordered_json TextOrNull(const std::string& text) {
  return text.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(text);
}

nlohmann::ordered_json VerifyText(VerifyResult verify) {
  switch (verify) {
    case VerifyResult::Same: return "same";
    case VerifyResult::Different: return "different";
    case VerifyResult::Unread: return "unread";
    case VerifyResult::NotAsked: break;
  }
  return nullptr;
}

}  // namespace

std::string AuditLine(const RadioResult& result) {
  nlohmann::ordered_json line;
  line["time"] = result.started;
  line["device"] = result.radio.device;
  line["port"] = result.radio.port;
  line["sequence"] = result.radio.sequence;
  line["model"] = TextOrNull(result.model);
  line["firmware"] = TextOrNull(result.firmware);
  line["serial_number"] = TextOrNull(result.serialNumber);
  line["sha256"] = TextOrNull(result.sha256);
  line["written"] = result.written;
  line["verify"] = VerifyText(result.verify);
  line["backup"] = TextOrNull(result.backupFile);
  line["result"] = result.ok() ? "ok" : "failed";
  line["error"] = TextOrNull(result.error);
  line["seconds"] = static_cast<double>(static_cast<long>(result.seconds * 100 + 0.5)) / 100;
  // Radios report their texts in bytes that need not be UTF-8.
  return line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

AuditLog::~AuditLog() {
  if (fd_ >= 0) ::close(fd_);
}

std::string AuditLog::open(const std::string& path) {
  fd_ = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY, 0600);
  if (fd_ < 0) return std::strerror(errno);
  return {};
}

bool AuditLog::append(const RadioResult& result) {
  if (fd_ < 0) return false;
  const std::string line = AuditLine(result);
  ssize_t written = -1;
  do {
    written = ::write(fd_, line.data(), line.size());
  } while (written < 0 && errno == EINTR);
  return written == static_cast<ssize_t>(line.size());
}

}  // namespace vex
