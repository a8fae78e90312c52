// Process-unique keys for record items. Each kind of item counts on its own;
// its counter is seeded at first use from a shared base that advances by
// 65535 per seeding, so the kinds' key ranges stay apart. Keys are never reused.
#pragma once

namespace vex {

enum class RecordKind { Channel, Personality, ScanList, AlertTone };

inline constexpr int kRecordKeySeedStep = 65535;
inline constexpr int kRecordKeyStep = 200;

// The key for the next item of `kind`. Thread-safe.
int NextRecordKey(RecordKind kind);

}  // namespace vex
