// libFuzzer entry: every input is a candidate codeplug file for the readers
// and for Open. Build with the fuzz preset described in fuzz/CMakeLists.txt.
#include "codeplug_fuzz_check.h"

#include <unistd.h>
#include <filesystem>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Each input passes through a file; memory-backed when there is /dev/shm.
  static const std::string path = (std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp") +
                                  std::string("/vex-fuzz-") + std::to_string(::getpid()) + ".dat";
  vex::test::CheckCodeplugInput(path, data, size);
  return 0;
}
