// Process-unique keys for record items. Each kind of item counts on its own;
// its counter is seeded at first use from a shared base that advances by
// 65535 per seeding, and every new item takes the counter plus 200. The seeds
// leave each kind its own remainder modulo 200, so the kinds' keys never meet.
//
// A counter that reaches the ceiling starts again from its seed and skips
// the keys of items still alive, so keys stay positive, unique among the
// living items and small enough for the Invalid Log's finding keys, however
// long the program runs.
#pragma once

#include <array>
#include <climits>
#include <mutex>
#include <unordered_set>

namespace vex {

enum class RecordKind { Channel, Personality, ScanList, AlertTone };

inline constexpr int kRecordKeySeedStep = 65535;
inline constexpr int kRecordKeyStep = 200;
// Leaves room for a finding key: item key + 0x10000 + a 16-bit label id.
inline constexpr int kRecordKeyCeiling = INT_MAX - 0x10000 - 0xFFFF;

class RecordKeyCounter {
 public:
  explicit RecordKeyCounter(int ceiling = kRecordKeyCeiling) : ceiling_(ceiling) {}

  // A key no living item of the kind holds; it is held until released.
  int take(RecordKind kind);
  void release(RecordKind kind, int key);

 private:
  struct PerKind {
    int seed = 0;  // 0 until the kind's first key
    int last = 0;
    std::unordered_set<int> alive;
  };

  std::mutex guard_;
  int ceiling_;
  int sharedBase_ = 0;
  std::array<PerKind, 4> kinds_{};
};

// The key for the next item of `kind`, and its release when the item goes.
// Thread-safe.
int NextRecordKey(RecordKind kind);
void ReleaseRecordKey(RecordKind kind, int key);

}  // namespace vex
