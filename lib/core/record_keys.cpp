#include "core/record_keys.h"

namespace vex {

int RecordKeyCounter::take(RecordKind kind) {
  std::lock_guard lock(guard_);
  PerKind& k = kinds_[static_cast<std::size_t>(kind)];
  if (k.seed == 0) {
    sharedBase_ += kRecordKeySeedStep;
    k.seed = sharedBase_;
    k.last = k.seed;
  }
  // Terminates: fewer items live than there are keys between seed and ceiling.
  do {
    k.last = k.last > ceiling_ - kRecordKeyStep ? k.seed + kRecordKeyStep : k.last + kRecordKeyStep;
  } while (k.alive.contains(k.last));
  k.alive.insert(k.last);
  return k.last;
}

void RecordKeyCounter::release(RecordKind kind, int key) {
  std::lock_guard lock(guard_);
  kinds_[static_cast<std::size_t>(kind)].alive.erase(key);
}

namespace {

// Never destroyed: items of static containers release their keys at exit.
RecordKeyCounter& ProcessCounter() {
  static auto* counter = new RecordKeyCounter;
  return *counter;
}

}  // namespace

int NextRecordKey(RecordKind kind) { return ProcessCounter().take(kind); }

void ReleaseRecordKey(RecordKind kind, int key) { ProcessCounter().release(kind, key); }

}  // namespace vex
