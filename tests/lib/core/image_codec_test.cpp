#include "core/image_codec.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/container.h"

namespace {

using namespace vex;
using layout::kErased;

// An image with every byte different from 0xFF where possible.
Image PatternImage() {
  Image image{};
  for (std::size_t i = 0; i < image.size(); ++i) {
    image[i] = static_cast<std::uint8_t>((i * 7 + 3) % 255);
  }
  return image;
}

std::unique_ptr<RadioDataContainer> DefaultContainer() {
  auto c = std::make_unique<RadioDataContainer>();
  c->resetToDefaults();
  return c;
}

std::uint16_t ImageWordLe(const Image& image, std::size_t offset) {
  return static_cast<std::uint16_t>(image[offset] | (image[offset + 1] << 8));
}

void ClearChannelMarkersFrom(Image& image, std::size_t record) {
  for (std::size_t i = record; i < layout::kChannelArea.capacity; ++i) {
    image[layout::kChannelArea.offsetOf(i) + layout::kChannelArea.marker] = kErased;
  }
}

TEST(ImageCodec, ErasedImageGivesOneRecordOfEachKind) {
  RadioDataContainer c;
  c.image().fill(kErased);
  c.decode();
  ASSERT_EQ(c.channels().size(), 1u);
  ASSERT_EQ(c.personalities().size(), 1u);
  ASSERT_EQ(c.scanLists().size(), 1u);
  ASSERT_EQ(c.alertTones().size(), 1u);
  for (std::uint8_t b : c.channels()[0].record().bytes) EXPECT_EQ(b, kErased);
  for (std::uint8_t b : c.scanLists()[0].record().bytes) EXPECT_EQ(b, kErased);
}

TEST(ImageCodec, EncodedDefaultsDecodeAndEncodeToTheSameBytes) {
  auto first = DefaultContainer();
  first->encode();
  RadioDataContainer second;
  second.image() = first->image();
  second.decode();
  EXPECT_EQ(second.channels().size(), 16u);
  second.encode();
  EXPECT_EQ(second.image(), first->image());
}

TEST(ImageCodec, FullRecordAreasAreReadUpToTheirLimits) {
  RadioDataContainer c;
  c.image() = PatternImage();
  // No marker in the pattern is 0xFF, so every area is read to its maximum.
  for (std::size_t i = 0; i < 20; ++i) {
    ASSERT_NE(c.image()[layout::kChannelArea.offsetOf(i) + layout::kChannelArea.marker], kErased);
  }
  c.decode();
  EXPECT_EQ(c.channels().size(), 17u);
  EXPECT_EQ(c.personalities().size(), 8u);
  EXPECT_EQ(c.scanLists().size(), 1u);
  EXPECT_EQ(c.alertTones().size(), 18u);

  c.encode();
  EXPECT_NE(c.image()[layout::kChannelArea.offsetOf(16) + 19], kErased);
  for (std::size_t i = 17 * 24; i < layout::kChannels.length; ++i) {
    ASSERT_EQ(c.image()[layout::kChannels.first + i], kErased) << i;
  }
  for (std::size_t i = 8 * 76; i < layout::kPersonalities.length; ++i) {
    ASSERT_EQ(c.image()[layout::kPersonalities.first + i], kErased) << i;
  }
}

TEST(ImageCodec, RecordAreaEndsAtTheFirstErasedMarkerButTakesTheFirstRecordAlways) {
  RadioDataContainer c;
  c.image() = PatternImage();
  ClearChannelMarkersFrom(c.image(), 3);
  c.decode();
  EXPECT_EQ(c.channels().size(), 3u);

  ClearChannelMarkersFrom(c.image(), 0);
  c.decode();
  ASSERT_EQ(c.channels().size(), 1u);
  EXPECT_EQ(c.channels()[0].record().scanListNumber(), kErased);
}

TEST(ImageCodec, UncoveredBytesAreErasedInEveryEncodedImage) {
  RadioDataContainer c;
  c.image() = PatternImage();
  c.decode();
  c.encode();
  const layout::Region untouched[] = {layout::kIdentity, layout::kUnused88, layout::kUnused593, layout::kUnused5304,
                                      layout::kUnused6199};
  for (const auto& region : untouched) {
    for (std::size_t i = region.first; i < region.end(); ++i) {
      ASSERT_EQ(c.image()[i], kErased) << i;
    }
  }
}

TEST(ImageCodec, DecodedImageEncodesBackExceptFixedAndLinkBytes) {
  RadioDataContainer c;
  const Image original = PatternImage();
  c.image() = original;
  c.decode();
  c.encode();
  // Regions copied whole come back unchanged, byte-order swaps included.
  const layout::Region same[] = {layout::kRadioInfo,  layout::kKeys,     layout::kMiscFirst, layout::kFactory,
                                 layout::kMiscSecond, layout::kShared,   layout::kDos,       layout::kAtis,
                                 layout::kPasswords,  layout::kTestFreq, layout::kEmbedded,  layout::kAdjust};
  for (const auto& region : same) {
    for (std::size_t i = region.first; i < region.end(); ++i) {
      ASSERT_EQ(c.image()[i], original[i]) << i;
    }
  }
  for (std::size_t i = 0; i < 17 * 24; ++i) {
    ASSERT_EQ(c.image()[layout::kChannels.first + i], original[layout::kChannels.first + i]) << i;
  }
  for (std::size_t i = 0; i < 56; ++i) {
    ASSERT_EQ(c.image()[layout::kScanLists.first + i], original[layout::kScanLists.first + i]);
  }
}

TEST(ImageCodec, EncodingTwiceGivesTheSameImageAndLeavesRecordsAlone) {
  RadioDataContainer c;
  c.image() = PatternImage();
  c.decode();
  const ChannelRecord channel = c.channels()[0].record();
  const ScanListRecord scan = c.scanLists()[0].record();
  const std::vector<std::uint8_t> misc(c.misc().bytes().begin(), c.misc().bytes().end());
  c.encode();
  const Image once = c.image();
  c.encode();
  EXPECT_EQ(c.image(), once);
  EXPECT_EQ(c.channels()[0].record().bytes, channel.bytes);
  EXPECT_EQ(c.scanLists()[0].record().bytes, scan.bytes);
  EXPECT_TRUE(std::equal(misc.begin(), misc.end(), c.misc().bytes().begin()));
}

TEST(ImageCodec, BigEndianFieldsAreHeldLittleEndian) {
  auto c = DefaultContainer();
  c->encode();
  const std::size_t ch = layout::kChannelArea.first;
  // 446.00625 MHz: 0x44600625 most significant byte first in the image.
  EXPECT_EQ(c->image()[ch + 4], 0x44);
  EXPECT_EQ(c->image()[ch + 7], 0x25);
  EXPECT_EQ(c->image()[ch + 12], 0x53);  // tone word 0x53B4
  EXPECT_EQ(c->image()[ch + 13], 0xB4);
  const std::size_t scan = layout::kScanListArea.first;
  EXPECT_EQ(c->image()[scan + 24], 0x00);  // member 1
  EXPECT_EQ(c->image()[scan + 25], 0x01);

  RadioDataContainer d;
  d.image() = c->image();
  d.image()[layout::kTestFreq.first + 0] = 0x40;
  d.image()[layout::kTestFreq.first + 1] = 0x01;
  d.image()[layout::kTestFreq.first + 2] = 0x50;
  d.image()[layout::kTestFreq.first + 3] = 0x00;
  d.image()[168] = 0x12;
  d.image()[169] = 0x34;
  d.decode();
  EXPECT_EQ(d.testFreq().frequency(TestFreqSection::Group::TestRx, 0), 0x40015000u);
  EXPECT_EQ(d.misc().bytes()[23], 0x34);
  EXPECT_EQ(d.misc().bytes()[24], 0x12);
}

TEST(ImageCodec, PttIdIsWrittenWithFixedContent) {
  auto c = DefaultContainer();
  const std::uint8_t section[] = {0xAB, 0xCD, 0x77, 0x02, 0x00, 0x00};
  std::copy(std::begin(section), std::end(section), c->pttId().bytes().begin());
  c->encode();
  const std::uint8_t expected[] = {0x00, 0x01, 0x00, 0x01, 0x19, 0x05};
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(c->image()[layout::kPttId.first + i], expected[i]) << i;
  }
  c->pttId().bytes()[3] = 0xFC;
  c->encode();
  EXPECT_EQ(c->image()[layout::kPttId.first + 3], 0xFD);

  // Decoding keeps what the image held, the ID in container order.
  c->image()[254] = 0x12;
  c->image()[255] = 0x34;
  c->decode();
  EXPECT_EQ(c->pttId().bytes()[0], 0x34);
  EXPECT_EQ(c->pttId().bytes()[1], 0x12);
}

TEST(ImageCodec, PersonalityRecordsAreChainedInACircle) {
  for (std::size_t count : {1u, 2u, 8u}) {
    auto c = DefaultContainer();
    while (c->personalities().size() < count) c->personalities().appendNew();
    c->encode();
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t at = layout::kPersonalityArea.offsetOf(i);
      const auto prev = layout::kPersonalityArea.offsetOf((i + count - 1) % count);
      const auto next = layout::kPersonalityArea.offsetOf((i + 1) % count);
      EXPECT_EQ(ImageWordLe(c->image(), at), prev) << count << "/" << i;
      EXPECT_EQ(ImageWordLe(c->image(), at + 2), next) << count << "/" << i;
      EXPECT_EQ(c->personalities()[i].record().previousLink(), prev);
    }
    if (count == 1) {
      EXPECT_EQ(ImageWordLe(c->image(), 3021), 3021);
      EXPECT_EQ(ImageWordLe(c->image(), 3023), 3021);
    }
  }
}

// Every list stops growing where decoding stops reading, so a full list comes
// back whole from its image.
template <class Item>
void ExpectFullListSurvives(ItemList<Item>& list, std::size_t most, RadioDataContainer& c,
                            ItemList<Item>& (RadioDataContainer::*listOf)()) {
  while (list.appendNew() != nullptr) {
  }
  EXPECT_EQ(list.size(), most);
  EXPECT_TRUE(list.full());
  EXPECT_EQ(list.appendNew(), nullptr);
  EXPECT_EQ(list.size(), most);
  for (std::size_t i = 0; i < most; ++i)
    list[i].record().bytes[5] = static_cast<std::uint8_t>(i);  // no link or marker byte

  c.encode();
  RadioDataContainer back;
  back.image() = c.image();
  back.decode();
  ItemList<Item>& decoded = (back.*listOf)();
  ASSERT_EQ(decoded.size(), most);
  for (std::size_t i = 0; i < most; ++i) EXPECT_EQ(decoded[i].record().bytes[5], i);
}

TEST(ImageCodec, AddIsRefusedAtEachLimitAndFullListsSurvive) {
  auto c = DefaultContainer();
  ExpectFullListSurvives(c->channels(), 17, *c, &RadioDataContainer::channels);
  ExpectFullListSurvives(c->personalities(), 8, *c, &RadioDataContainer::personalities);
  ExpectFullListSurvives(c->scanLists(), 1, *c, &RadioDataContainer::scanLists);
  ExpectFullListSurvives(c->alertTones(), 18, *c, &RadioDataContainer::alertTones);
  // Nothing spills past the decoded records into the rest of an area.
  EXPECT_EQ(c->image()[layout::kChannelArea.offsetOf(17) + layout::kChannelArea.marker], kErased);
  EXPECT_EQ(c->image()[layout::kPersonalityArea.offsetOf(8) + layout::kPersonalityArea.marker], kErased);
  EXPECT_EQ(c->image()[layout::kScanListArea.offsetOf(1) + layout::kScanListArea.marker], kErased);
}

TEST(ImageCodec, LinksAreResolvedFromPositions) {
  auto c = DefaultContainer();
  c->channels()[0].record().bytes[19] = 0;
  c->channels()[1].record().bytes[19] = 2;  // only one scan list exists
  c->channels()[2].record().bytes[18] = 1;  // only one personality exists
  c->scanLists()[0].record().setMember(0, 16);
  c->scanLists()[0].record().setMember(1, 17);
  c->scanLists()[0].record().setMember(2, 0);
  c->encode();
  c->decode();
  EXPECT_EQ(c->channels()[0].scanListLink(), 0);
  EXPECT_EQ(c->channels()[1].scanListLink(), 0);
  EXPECT_EQ(c->channels()[3].scanListLink(), c->scanLists()[0].key());
  EXPECT_EQ(c->channels()[2].personalityLink(), 0);
  EXPECT_EQ(c->channels()[3].personalityLink(), c->personalities()[0].key());
  const auto& members = c->scanLists()[0].memberLinks();
  EXPECT_EQ(members[0], c->channels()[15].key());
  EXPECT_EQ(members[1], 0);
  EXPECT_EQ(members[2], 0);
  EXPECT_EQ(members[3], c->channels()[3].key());
  EXPECT_EQ(c->scanLists()[0].designatedLink(), c->channels()[0].key());
  EXPECT_EQ(c->scanLists()[0].furtherLink(), c->channels()[1].key());
}

TEST(ImageCodec, SharedAreaIsOneMemoryForMiscAndFactory) {
  RadioDataContainer c;
  c.image() = PatternImage();
  c.image()[228] = 0x12;
  c.image()[229] = 0x34;
  c.image()[192] = 0xA1;
  c.image()[195] = 0xA4;
  c.decode();
  ASSERT_EQ(c.factory().shared().data(), c.misc().bytes().data() + 41);
  ASSERT_EQ(c.factory().shared().size(), 32u);
  ASSERT_EQ(c.factory().radioInfo().data(), c.radioInfo().bytes().data());
  // Held least significant byte first once, not swapped back by the second copy.
  EXPECT_EQ(c.misc().bytes()[47], 0x34);
  EXPECT_EQ(c.misc().bytes()[48], 0x12);
  EXPECT_EQ(c.factory().bytes()[15], 0xA4);
  EXPECT_EQ(c.factory().bytes()[18], 0xA1);

  c.factory().shared()[0] = 0x5A;
  EXPECT_EQ(c.misc().bytes()[41], 0x5A);
  c.encode();
  EXPECT_EQ(c.image()[222], 0x5A);
  EXPECT_EQ(c.image()[228], 0x12);
  EXPECT_EQ(c.image()[229], 0x34);
  EXPECT_EQ(c.image()[192], 0xA1);
}

}  // namespace
