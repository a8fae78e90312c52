// A regular file opened for reading with bounded, exact reads. Directories,
// devices and pipes are refused at open, so a reader never blocks on them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vex {

class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const std::string& path);
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  // Reads exactly `count` bytes or reports failure.
  bool readExactly(std::uint8_t* out, std::size_t count);
  // Moves to an absolute offset.
  bool seek(std::uint64_t offset);
  // Moves forward over bytes that must exist: false past the end.
  bool skip(std::uint64_t count);
  // Bytes between the position and the end of the file.
  std::uint64_t remaining() const;

 private:
  int fd_ = -1;
  std::uint64_t size_ = 0;
  std::uint64_t position_ = 0;
};

}  // namespace vex
