#include "core/image_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace vex::layout;

// Every region lies inside the image and no two regions overlap.
TEST(ImageLayout, RegionsTileTheImageWithoutOverlap) {
  const std::vector<Region> regions{kIdentity,   kRadioInfo,  kUnused88, kKeys,          kMiscFirst, kFactory,
                                    kMiscSecond, kShared,     kPttId,    kDos,           kAtis,      kAlertTones,
                                    kUnused593,  kPasswords,  kChannels, kPersonalities, kScanLists, kTestFreq,
                                    kEmbedded,   kUnused5304, kAdjust,   kUnused6199};
  std::size_t next = 0;
  for (const Region& r : regions) {
    EXPECT_EQ(r.first, next);
    next = r.end();
  }
  EXPECT_EQ(next, kImageSize);
}

TEST(ImageLayout, RecordAreasFitTheirRegions) {
  EXPECT_LE(kAlertToneArea.capacity * kAlertToneArea.recordSize, kAlertTones.length);
  EXPECT_LE(kChannelArea.capacity * kChannelArea.recordSize, kChannels.length);
  EXPECT_LE(kPersonalityArea.capacity * kPersonalityArea.recordSize, kPersonalities.length);
  EXPECT_LE(kScanListArea.capacity * kScanListArea.recordSize, kScanLists.length);
}

}  // namespace
