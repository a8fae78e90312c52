#include "core/record_keys.h"

#include <array>
#include <mutex>

namespace vex {

int NextRecordKey(RecordKind kind) {
  static std::mutex guard;
  static int sharedBase = 0;
  static std::array<int, 4> counters{};

  std::lock_guard lock(guard);
  int& counter = counters[static_cast<std::size_t>(kind)];
  if (counter == 0) {
    sharedBase += kRecordKeySeedStep;
    counter = sharedBase;
  }
  counter += kRecordKeyStep;
  return counter;
}

}  // namespace vex
