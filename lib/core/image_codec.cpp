#include "core/image_codec.h"

#include <algorithm>
#include <span>

#include "core/container.h"
#include "core/references.h"
#include "core/schema/schema.h"

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

// Takes the first record whatever its marker, then every following record
// until one's marker is 0xFF or the list's record limit is reached.
template <class Item>
void DecodeArea(const Image& image, const RecordArea& area, ItemList<Item>& list, FieldArea fields) {
  list.clear();
  for (std::size_t i = 0; !list.full(); ++i) {
    const std::size_t offset = area.offsetOf(i);
    if (i > 0 && image[offset + area.marker] == layout::kErased) {
      break;
    }
    Item* item = list.appendNew();
    std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(offset), area.recordSize, item->record().bytes.begin());
    TurnByteOrder(fields, item->record().span());
  }
}

// Writes copies of the records, packed from the area's start: at most the
// record limit, which is what decoding reads back.
template <class Item>
void EncodeArea(const ItemList<Item>& list, const RecordArea& area, Image& image, FieldArea fields) {
  const std::size_t count = std::min(list.size(), ItemList<Item>::kMost);
  for (std::size_t i = 0; i < count; ++i) {
    auto record = list[i].record();
    TurnByteOrder(fields, record.span());
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

}  // namespace

void ImageCodec::decode(const Image& image, RadioDataContainer& c) const {
  DecodeArea(image, layout::kChannelArea, c.channels(), FieldArea::Channel);

  CopyIn(image, layout::kTestFreq, c.testFreq().bytes());
  TurnByteOrder(FieldArea::TestFreq, c.testFreq().bytes());

  CopyIn(image, layout::kRadioInfo, c.radioInfo().bytes());
  CopyIn(image, layout::kKeys, c.keys().bytes());

  // The shared area is the misc section's own memory; the factory section
  // only links to it.
  auto misc = c.misc().bytes();
  CopyIn(image, layout::kMiscFirst, misc);
  CopyIn(image, layout::kMiscSecond, misc.subspan(layout::kMiscFirst.length));
  CopyIn(image, layout::kShared, c.misc().shared());
  TurnByteOrder(FieldArea::Misc, misc);

  CopyIn(image, layout::kAtis, c.atis().bytes());
  CopyIn(image, layout::kPttId, c.pttId().bytes());
  TurnByteOrder(FieldArea::PttId, c.pttId().bytes());
  CopyIn(image, layout::kDos, c.dos().bytes());
  CopyIn(image, layout::kPasswords, c.passwords().bytes());
  c.passwords().loadTexts();

  DecodeArea(image, layout::kAlertToneArea, c.alertTones(), FieldArea::AlertTone);
  DecodeArea(image, layout::kPersonalityArea, c.personalities(), FieldArea::Personality);
  DecodeArea(image, layout::kScanListArea, c.scanLists(), FieldArea::ScanList);

  CopyIn(image, layout::kEmbedded, c.embedded().bytes());

  CopyIn(image, layout::kFactory, c.factory().own());
  TurnByteOrder(FieldArea::Factory, c.factory().bytes());

  CopyIn(image, layout::kAdjust, c.adjust().bytes());

  resolveLinks(c);
}

void ImageCodec::encode(RadioDataContainer& c, Image& image) const {
  image.fill(layout::kErased);

  CopyOut(c.radioInfo().bytes(), image, layout::kRadioInfo);
  CopyOut(c.keys().bytes(), image, layout::kKeys);

  std::array<std::uint8_t, MiscSection::kSize> misc{};
  std::ranges::copy(c.misc().bytes(), misc.begin());
  TurnByteOrder(FieldArea::Misc, misc);
  CopyOut(misc, image, layout::kMiscFirst);
  CopyOut(std::span(misc).subspan(layout::kMiscFirst.length), image, layout::kMiscSecond);
  CopyOut(std::span(misc).subspan(MiscSection::kSharedFirst), image, layout::kShared);

  EncodeArea(c.alertTones(), layout::kAlertToneArea, image, FieldArea::AlertTone);
  CopyOut(c.atis().bytes(), image, layout::kAtis);
  CopyOut(c.passwords().bytes(), image, layout::kPasswords);

  // The PTT ID goes out with fixed content; only two bits come from the section.
  std::array<std::uint8_t, layout::kPttId.length> pttId = layout::kPttIdFixed;
  const std::uint8_t variable = c.pttId().bytes()[layout::kPttIdVariableByte];
  pttId[layout::kPttIdVariableByte] = static_cast<std::uint8_t>((variable & ~0x02) | 0x01);
  CopyOut(pttId, image, layout::kPttId);

  CopyOut(c.dos().bytes(), image, layout::kDos);

  EncodeArea(c.channels(), layout::kChannelArea, image, FieldArea::Channel);
  LinkPersonalities(c.personalities());
  EncodeArea(c.personalities(), layout::kPersonalityArea, image, FieldArea::Personality);
  EncodeArea(c.scanLists(), layout::kScanListArea, image, FieldArea::ScanList);

  std::array<std::uint8_t, layout::kTestFreq.length> testFreq{};
  std::ranges::copy(c.testFreq().bytes(), testFreq.begin());
  TurnByteOrder(FieldArea::TestFreq, testFreq);
  CopyOut(testFreq, image, layout::kTestFreq);

  CopyOut(c.embedded().bytes(), image, layout::kEmbedded);

  std::array<std::uint8_t, FactorySection::kSize> factory{};
  std::ranges::copy(c.factory().bytes(), factory.begin());
  TurnByteOrder(FieldArea::Factory, factory);
  CopyOut(std::span(factory).subspan(FactorySection::kOwnFirst), image, layout::kFactory);

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
