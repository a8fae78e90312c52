#include "base/file_replace.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
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

// Names of our temporary files: ".vextmp<pid>_<n>" beside the target, and
// "<target>.tmp<pid>_<n>" of earlier versions.
constexpr std::string_view kTemporaryPrefix = ".vextmp";
constexpr std::string_view kOldTemporaryMark = ".tmp";

// The pid in "<pid>_<n>", or 0.
pid_t OwnerOfSerial(std::string_view name) {
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

// The pid of the process whose temporary file this is, or 0 when the name
// is not one we make.
pid_t OwnerOfTemporary(std::string_view name) {
  if (name.starts_with(kTemporaryPrefix)) return OwnerOfSerial(name.substr(kTemporaryPrefix.size()));
  const std::size_t mark = name.rfind(kOldTemporaryMark);
  if (mark == std::string_view::npos || mark == 0) return 0;
  return OwnerOfSerial(name.substr(mark + kOldTemporaryMark.size()));
}

bool ProcessIsGone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

// Removes the temporary files of earlier saves in this folder whose process
// has gone (killed in the middle of a save). Files of running processes,
// ours included, are left alone.
void RemoveStaleTemporaries(const std::filesystem::path& dir) {
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const pid_t owner = OwnerOfTemporary(it->path().filename().string());
    if (owner == 0 || owner == ::getpid() || !ProcessIsGone(owner)) continue;
    std::error_code ignored;
    if (it->is_regular_file(ignored)) std::filesystem::remove(it->path(), ignored);
  }
}

std::string TemporaryName(const std::filesystem::path& dir) {
  static std::atomic<unsigned> counter{0};
  return (dir / (std::string(kTemporaryPrefix) + std::to_string(::getpid()) + "_" +
                 std::to_string(counter.fetch_add(1))))
      .string();
}

// The open temporary file, and its name once it has one.
struct Temporary {
  int fd = -1;
  std::string name;
};

// Opens a fresh file in `dir` with `mode` (the umask applies).
Temporary CreateTemporary(const std::filesystem::path& dir, mode_t mode) {
  Temporary file;
#if defined(O_TMPFILE)
  file.fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
  if (file.fd >= 0) return file;
#endif
  for (int attempt = 0; attempt < 100; ++attempt) {
    file.name = TemporaryName(dir);
    file.fd = ::open(file.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (file.fd >= 0 || errno != EEXIST) break;
  }
  if (file.fd < 0) file.name.clear();
  return file;
}

// Gives a nameless temporary file a name beside the target.
bool NameTemporary(Temporary& file, const std::filesystem::path& dir) {
  if (!file.name.empty()) return true;
  const std::string self = "/proc/self/fd/" + std::to_string(file.fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = TemporaryName(dir);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      file.name = name;
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

// Makes the rename itself durable; a failure here does not undo the write.
void SyncDirectory(const std::filesystem::path& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::filesystem::path LinkTarget(const std::filesystem::path& path) {
  std::filesystem::path target = path;
  std::error_code ec;
  for (int hop = 0; hop < 40 && std::filesystem::is_symlink(target, ec); ++hop) {
    const std::filesystem::path next = std::filesystem::read_symlink(target, ec);
    if (ec) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

bool ReplaceFileContent(const std::filesystem::path& path, std::string_view bytes, const ReplaceOptions& options) {
  const std::filesystem::path target = LinkTarget(path);
  const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : ".";
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) {
    errno = S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
    return false;
  }
  if (exists && (old.st_mode & S_IWUSR) == 0) {
    errno = EACCES;
    return false;
  }

  RemoveStaleTemporaries(dir);
  // A new file is created with its final mode; a replacing one is private
  // until it has the old file's mode, before a byte is written to it.
  Temporary file = CreateTemporary(dir, exists ? 0600 : options.newFileMode);
  if (file.fd < 0) return false;
  bool ok = (!exists || ::fchmod(file.fd, old.st_mode & 07777) == 0) && WriteAll(file.fd, bytes) &&
            ::fsync(file.fd) == 0;
  if (ok) ok = NameTemporary(file, dir);
  int cause = ok ? 0 : errno;
  if (::close(file.fd) != 0 && ok) {
    ok = false;
    cause = errno;
  }
  if (ok && ::rename(file.name.c_str(), target.c_str()) != 0) {
    ok = false;
    cause = errno;
  }
  if (!ok) {
    if (!file.name.empty()) ::unlink(file.name.c_str());
    errno = cause;
    return false;
  }
  SyncDirectory(dir);
  return true;
}

namespace {

bool ReadAll(const std::filesystem::path& path, std::size_t maxBytes, std::string& bytes, bool streams) {
  bytes.clear();
  struct stat named {};
  // A FIFO is opened only once it is known to be one: opening waits for its writer.
  if (::stat(path.c_str(), &named) != 0 || !(S_ISREG(named.st_mode) || (streams && S_ISFIFO(named.st_mode))))
    return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  bool ok = ::fstat(fd, &info) == 0 &&
            (S_ISREG(info.st_mode) ? static_cast<std::size_t>(info.st_size) <= maxBytes
                                   : streams && S_ISFIFO(info.st_mode));
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

}  // namespace

bool ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes, std::string& bytes) {
  return ReadAll(path, maxBytes, bytes, false);
}

bool ReadWholeInput(const std::filesystem::path& path, std::size_t maxBytes, std::string& bytes) {
  return ReadAll(path, maxBytes, bytes, true);
}

}  // namespace vex
