// What the fuzz targets share: a check that stops the run with a message
// when a property fails, and a scratch file for parsers that read files.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace vex::fuzz {

inline void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
  }
}

// A file of this process, memory-backed when there is /dev/shm.
inline std::string ScratchPath(std::string_view name) {
  const std::filesystem::path dir = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
  return (dir / ("vex-fuzz-" + std::to_string(::getpid()) + "-" + std::string(name))).string();
}

inline void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vex::fuzz
