#include "base/file_replace.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <string>
#include <system_error>

namespace vex {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

constexpr std::string_view kTemporaryMark = ".tmp";

// Temporary names are "<target>.tmp<pid>_<n>"; the pid of one of ours, or 0.
pid_t OwnerOfTemporary(std::string_view name, std::string_view targetName) {
  if (!name.starts_with(targetName)) return 0;
  name.remove_prefix(targetName.size());
  if (!name.starts_with(kTemporaryMark)) return 0;
  name.remove_prefix(kTemporaryMark.size());
  const std::size_t underscore = name.find('_');
  if (underscore == std::string_view::npos || underscore == 0 || underscore + 1 == name.size()) return 0;
  const std::string_view pid = name.substr(0, underscore);
  const std::string_view serial = name.substr(underscore + 1);
  if (serial.find_first_not_of("0123456789") != std::string_view::npos) return 0;
  long value = 0;
  const auto [end, ec] = std::from_chars(pid.data(), pid.data() + pid.size(), value);
  if (ec != std::errc() || end != pid.data() + pid.size() || value <= 0 || value > INT_MAX) return 0;
  return static_cast<pid_t>(value);
}

bool ProcessIsGone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

// Removes the temporary files of earlier saves of this target whose process
// has gone (killed in the middle of a save). Files of running processes,
// ours included, are left alone.
void RemoveStaleTemporaries(const std::filesystem::path& target) {
  std::error_code ec;
  const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : ".";
  const std::string targetName = target.filename().string();
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const pid_t owner = OwnerOfTemporary(name, targetName);
    if (owner == 0 || owner == ::getpid() || !ProcessIsGone(owner)) continue;
    std::error_code ignored;
    if (it->is_regular_file(ignored)) std::filesystem::remove(it->path(), ignored);
  }
}

// Creates a fresh temporary file beside target; the process umask applies.
int CreateTemporary(const std::filesystem::path& target, std::string& name) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = target.string() + std::string(kTemporaryMark) + std::to_string(::getpid()) + "_" +
           std::to_string(counter.fetch_add(1));
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Makes the rename itself durable; a failure here does not undo the write.
void SyncDirectoryOf(const std::filesystem::path& target) {
  const std::string dir = target.has_parent_path() ? target.parent_path().string() : ".";
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool ReplaceFileContent(const std::filesystem::path& path, std::string_view bytes) {
  std::error_code ec;
  std::filesystem::path target = path;
  if (std::filesystem::is_symlink(path, ec)) {
    target = std::filesystem::weakly_canonical(path, ec);
    if (ec) return false;
  }
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) return false;

  RemoveStaleTemporaries(target);
  std::string name;
  const int fd = CreateTemporary(target, name);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes);
  if (ok && exists) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  if (ok) ok = ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(name.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(name.c_str());
    return false;
  }
  SyncDirectoryOf(target);
  return true;
}

bool ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes, std::string& bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) <= maxBytes;
  bytes.clear();
  char buffer[65536];
  while (ok) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) ok = false;
    if (got <= 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
    if (bytes.size() > maxBytes) ok = false;
  }
  ::close(fd);
  return ok;
}

}  // namespace vex
