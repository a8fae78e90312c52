#include "base/read_only_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace vex {

ReadOnlyFile::ReadOnlyFile(const std::string& path) {
  // Non-blocking open so that a FIFO named by mistake does not hang.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return;
  }
  fd_ = fd;
  size_ = static_cast<std::uint64_t>(st.st_size);
}

ReadOnlyFile::~ReadOnlyFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool ReadOnlyFile::readExactly(std::uint8_t* out, std::size_t count) {
  if (fd_ < 0) return false;
  if (count == 0) return true;
  if (::lseek(fd_, static_cast<off_t>(position_), SEEK_SET) < 0) return false;
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::read(fd_, out + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  position_ += count;
  return true;
}

bool ReadOnlyFile::seek(std::uint64_t offset) {
  if (fd_ < 0) return false;
  position_ = offset;
  return true;
}

bool ReadOnlyFile::skip(std::uint64_t count) {
  if (count > remaining()) return false;
  return seek(position_ + count);
}

std::uint64_t ReadOnlyFile::remaining() const { return position_ < size_ ? size_ - position_ : 0; }

}  // namespace vex
