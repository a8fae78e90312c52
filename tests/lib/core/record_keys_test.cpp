// Record keys stay unique, positive and bounded however many items a long
// session creates: the shared counter used to overflow after some 670,000
// decodes.
#include "core/record_keys.h"

#include <gtest/gtest.h>

#include <set>

namespace vex {
namespace {

TEST(RecordKeyCounter, FirstKeysFollowTheSeedingRules) {
  RecordKeyCounter counter;
  EXPECT_EQ(counter.take(RecordKind::Channel), 65535 + 200);
  EXPECT_EQ(counter.take(RecordKind::Channel), 65535 + 400);
  EXPECT_EQ(counter.take(RecordKind::AlertTone), 2 * 65535 + 200);
  EXPECT_EQ(counter.take(RecordKind::Personality), 3 * 65535 + 200);
  EXPECT_EQ(counter.take(RecordKind::ScanList), 4 * 65535 + 200);
  EXPECT_EQ(counter.take(RecordKind::Channel), 65535 + 600);
}

TEST(RecordKeyCounter, StartsAgainBelowTheCeilingAndSkipsLivingKeys) {
  constexpr int kCeiling = 4 * 65535 + 1000;
  RecordKeyCounter counter(kCeiling);
  std::set<int> alive;
  for (RecordKind kind : {RecordKind::Channel, RecordKind::Personality, RecordKind::ScanList, RecordKind::AlertTone})
    for (int i = 0; i < 3; ++i) alive.insert(counter.take(kind));

  int wraps = 0;
  int previous = 0;
  for (int i = 0; i < 20000; ++i) {
    const RecordKind kind = i % 2 ? RecordKind::Channel : RecordKind::ScanList;
    const int key = counter.take(kind);
    ASSERT_GT(key, 0);
    ASSERT_LE(key, kCeiling);
    // Unique among the living items of every kind.
    ASSERT_FALSE(alive.contains(key)) << key;
    if (kind == RecordKind::Channel) {
      if (key < previous) ++wraps;
      previous = key;
    }
    counter.release(kind, key);
  }
  EXPECT_GE(wraps, 5);
}

TEST(RecordKeyCounter, TheDefaultCeilingLeavesRoomForFindingKeys) {
  // A finding key adds 0x10000 and a 16-bit label id to an item key.
  EXPECT_GE(static_cast<long long>(INT_MAX) - kRecordKeyCeiling, 0x10000LL + 0xFFFF);
}

}  // namespace
}  // namespace vex
