#include "core/image_codec.h"

#include <algorithm>
#include <span>

#include "base/byte_order.h"
#include "core/container.h"
#include "core/references.h"

namespace vex {
namespace {

using layout::RecordArea;
using layout::Region;

void CopyIn(const Image& image, const Region& region, std::span<std::uint8_t> target) {
  std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(region.first), region.length, target.begin());
}

void CopyOut(std::span<const std::uint8_t> source, Image& image, const Region& region) {
  std::copy_n(source.begin(), region.length, image.begin() + static_cast<std::ptrdiff_t>(region.first));
}

// Byte-order changes; each is its own inverse, so decode and encode share them.
void SwapChannel(ChannelRecord& record) {
  for (const layout::BeField& field : layout::kChannelBeFields) {
    ReverseField(record.span(), field.offset, field.width);
  }
}

void SwapScanList(ScanListRecord& record) {
  for (const layout::BeField& field : layout::kScanListBeSingles) {
    ReverseField(record.span(), field.offset, field.width);
  }
  for (std::size_t i = 0; i < layout::kScanListMemberCount; ++i) {
    ReverseField(record.span(), layout::kScanListMembers + 2 * i, 2);
  }
}

void SwapTestFreq(std::span<std::uint8_t> block) {
  for (std::size_t entry = 0; entry < layout::kTestFreqEntries; ++entry) {
    ReverseField(block, entry * layout::kTestFreqEntrySize, 4);
    ReverseField(block, entry * layout::kTestFreqEntrySize + 4, 4);
  }
  for (std::size_t i = 0; i < layout::kFivePointValueCount; ++i) {
    ReverseField(block, layout::kFivePointValues + 4 * i, 4);
  }
}

void SwapFactoryOwn(std::span<std::uint8_t> factory) {
  for (const layout::BeField& field : layout::kFactoryBeFields) {
    ReverseField(factory, field.offset, field.width);
  }
}

void SwapShared(std::span<std::uint8_t> shared) {
  ReverseField(shared, layout::kSharedBeField.offset, layout::kSharedBeField.width);
}

// Takes the first record whatever its marker, then every following record
// until one's marker is 0xFF or the list's record limit is reached.
template <class Item, class Adjust>
void DecodeArea(const Image& image, const RecordArea& area, ItemList<Item>& list, Adjust adjust) {
  list.clear();
  for (std::size_t i = 0; !list.full(); ++i) {
    const std::size_t offset = area.offsetOf(i);
    if (i > 0 && image[offset + area.marker] == layout::kErased) {
      break;
    }
    Item* item = list.appendNew();
    std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(offset), area.recordSize, item->record().bytes.begin());
    adjust(item->record());
  }
}

// Writes copies of the records, packed from the area's start: at most the
// record limit, which is what decoding reads back.
template <class Item, class Adjust>
void EncodeArea(const ItemList<Item>& list, const RecordArea& area, Image& image, Adjust adjust) {
  const std::size_t count = std::min(list.size(), ItemList<Item>::kMost);
  for (std::size_t i = 0; i < count; ++i) {
    auto record = list[i].record();
    adjust(record);
    std::copy(record.bytes.begin(), record.bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(area.offsetOf(i)));
  }
}

void LinkPersonalities(ItemList<PersonalityItem>& personalities) {
  const std::size_t count = std::min(personalities.size(), ItemList<PersonalityItem>::kMost);
  auto address = [](std::size_t i) { return static_cast<std::uint16_t>(layout::kPersonalityArea.offsetOf(i)); };
  for (std::size_t i = 0; i < count; ++i) {
    personalities[i].record().setLinks(address((i + count - 1) % count), address((i + 1) % count));
  }
}

const auto kAsIs = [](auto&) {};

}  // namespace

void ImageCodec::decode(const Image& image, RadioDataContainer& c) const {
  DecodeArea(image, layout::kChannelArea, c.channels(), SwapChannel);

  CopyIn(image, layout::kTestFreq, c.testFreq().bytes());
  SwapTestFreq(c.testFreq().bytes());

  CopyIn(image, layout::kRadioInfo, c.radioInfo().bytes());
  CopyIn(image, layout::kKeys, c.keys().bytes());

  auto misc = c.misc().bytes();
  CopyIn(image, layout::kMiscFirst, misc);
  ReverseField(misc, layout::kMiscBeField.offset, layout::kMiscBeField.width);
  CopyIn(image, layout::kMiscSecond, misc.subspan(layout::kMiscFirst.length));
  CopyIn(image, layout::kShared, c.misc().shared());

  CopyIn(image, layout::kAtis, c.atis().bytes());
  CopyIn(image, layout::kPttId, c.pttId().bytes());
  ReverseField(c.pttId().bytes(), layout::kPttIdBeField.offset, layout::kPttIdBeField.width);
  CopyIn(image, layout::kDos, c.dos().bytes());
  CopyIn(image, layout::kPasswords, c.passwords().bytes());
  c.passwords().loadTexts();

  DecodeArea(image, layout::kAlertToneArea, c.alertTones(), kAsIs);
  DecodeArea(image, layout::kPersonalityArea, c.personalities(), kAsIs);
  DecodeArea(image, layout::kScanListArea, c.scanLists(), SwapScanList);

  CopyIn(image, layout::kEmbedded, c.embedded().bytes());

  CopyIn(image, layout::kFactory, c.factory().own());
  SwapFactoryOwn(c.factory().bytes());
  // The shared area is the misc section's own memory; the factory section
  // only links to it, so this overwrites the copy made with the misc bytes.
  CopyIn(image, layout::kShared, c.misc().shared());
  SwapShared(c.misc().shared());

  CopyIn(image, layout::kAdjust, c.adjust().bytes());

  resolveLinks(c);
}

void ImageCodec::encode(RadioDataContainer& c, Image& image) const {
  image.fill(layout::kErased);

  CopyOut(c.radioInfo().bytes(), image, layout::kRadioInfo);
  CopyOut(c.keys().bytes(), image, layout::kKeys);

  std::array<std::uint8_t, MiscSection::kSize> misc{};
  std::copy(c.misc().bytes().begin(), c.misc().bytes().end(), misc.begin());
  ReverseField(misc, layout::kMiscBeField.offset, layout::kMiscBeField.width);
  CopyOut(misc, image, layout::kMiscFirst);
  CopyOut(std::span(misc).subspan(layout::kMiscFirst.length), image, layout::kMiscSecond);
  CopyOut(c.misc().shared(), image, layout::kShared);

  EncodeArea(c.alertTones(), layout::kAlertToneArea, image, kAsIs);
  CopyOut(c.atis().bytes(), image, layout::kAtis);
  CopyOut(c.passwords().bytes(), image, layout::kPasswords);

  // The PTT ID goes out with fixed content; only two bits come from the section.
  std::array<std::uint8_t, layout::kPttId.length> pttId = layout::kPttIdFixed;
  const std::uint8_t variable = c.pttId().bytes()[layout::kPttIdVariableByte];
  pttId[layout::kPttIdVariableByte] = static_cast<std::uint8_t>((variable & ~0x02) | 0x01);
  CopyOut(pttId, image, layout::kPttId);

  CopyOut(c.dos().bytes(), image, layout::kDos);

  EncodeArea(c.channels(), layout::kChannelArea, image, SwapChannel);
  LinkPersonalities(c.personalities());
  EncodeArea(c.personalities(), layout::kPersonalityArea, image, kAsIs);
  EncodeArea(c.scanLists(), layout::kScanListArea, image, SwapScanList);

  std::array<std::uint8_t, layout::kTestFreq.length> testFreq{};
  std::copy(c.testFreq().bytes().begin(), c.testFreq().bytes().end(), testFreq.begin());
  SwapTestFreq(testFreq);
  CopyOut(testFreq, image, layout::kTestFreq);

  CopyOut(c.embedded().bytes(), image, layout::kEmbedded);

  std::array<std::uint8_t, FactorySection::kSize> factory{};
  std::copy(c.factory().bytes().begin(), c.factory().bytes().end(), factory.begin());
  SwapFactoryOwn(factory);
  CopyOut(std::span(factory).subspan(FactorySection::kOwnFirst), image, layout::kFactory);
  std::array<std::uint8_t, layout::kShared.length> shared{};
  std::copy(c.misc().shared().begin(), c.misc().shared().end(), shared.begin());
  SwapShared(shared);
  CopyOut(shared, image, layout::kShared);

  CopyOut(c.adjust().bytes(), image, layout::kAdjust);
}

void ImageCodec::resolveLinks(RadioDataContainer& c) const {
  for (const auto& channel : c.channels()) {
    ResolveReferences(*channel, c.personalities(), c.scanLists());
  }
  for (const auto& scanList : c.scanLists()) {
    ResolveReferences(*scanList, c.channels());
  }
}

}  // namespace vex
