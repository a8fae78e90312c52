// The adjustment values' sub-item places and the Factory Mode model data.
#include "core/container.h"
#include "core/factory_model.h"
#include "core/sections/adjust_section.h"

#include <gtest/gtest.h>

#include <set>

namespace vex {
namespace {

TEST(AdjustSection, EverySubItemOfTheKnownItemsHasItsOwnPlace) {
  std::set<std::size_t> places;
  for (std::uint16_t item : kAdjustItems) {
    for (std::uint16_t k = 0; k < AdjustSection::kSubItems; ++k) {
      const auto at = AdjustSection::positionOf(static_cast<std::uint16_t>(item + k));
      ASSERT_TRUE(at) << std::hex << item + k;
      EXPECT_LE(*at + 2, layout::kAdjust.length);
      EXPECT_TRUE(places.insert(*at).second) << std::hex << item + k;
    }
  }
  EXPECT_FALSE(AdjustSection::positionOf(0x800F));  // a 16th sub-item
  EXPECT_FALSE(AdjustSection::positionOf(0x850B));  // the volume
  EXPECT_FALSE(AdjustSection::positionOf(0x1234));
}

TEST(AdjustSection, ValuesAreStoredHighByteFirst) {
  AdjustSection section;
  section.reset();
  EXPECT_EQ(section.value(0x8010), 0xFFFF);
  ASSERT_TRUE(section.setValue(0x8012, 0x05C2));
  const std::size_t at = *AdjustSection::positionOf(0x8012);
  EXPECT_EQ(section.bytes()[at], 0x05);
  EXPECT_EQ(section.bytes()[at + 1], 0xC2);
  EXPECT_EQ(section.value(0x8012), 0x05C2);
  EXPECT_FALSE(section.setValue(0x850B, 1));
  EXPECT_FALSE(section.value(0x850B));
}

TEST(FactoryModel, FieldsRoundTripThroughTheImageInRadioByteOrder) {
  FactoryModel model;
  model.setModelName("Vex M1 long name");
  model.setSerialNumber("SN-0001");
  model.setVhf(true);
  model.setEdges(136, 1174);
  model.setRangeId(1234);
  model.setOption(FactoryModel::kOscillator, 25);
  model.setTuneSwitchOpen(true);
  model.setVolumes(300, 7);
  EXPECT_EQ(model.modelName(), "Vex M1 long ");  // 12 bytes
  EXPECT_EQ(model.rangeText(), "136-999");
  EXPECT_EQ(model.rangeId(), 999);
  EXPECT_EQ(model.wideVolume(), 255);

  Image image;
  image.fill(0xEE);
  model.toImage(image);
  EXPECT_EQ(image[28] & 0x80, 0x80);  // band flag
  EXPECT_EQ(image[43], 136);          // lower edge, low byte last
  EXPECT_EQ(image[181], 1);           // tune switch
  EXPECT_EQ(image[182], 25);          // oscillator
  EXPECT_EQ(image[231], 255);         // wide volume
  EXPECT_EQ(image[232], 7);           // narrow volume
  EXPECT_EQ(image[15], 0xEE);         // outside the model data
  FactoryModel back;
  back.fromImage(image);
  EXPECT_EQ(back, model);
}

TEST(FactoryModel, TheContainerAndTheCodecAgreeOnTheByteOrder) {
  RadioDataContainer c;
  Image image{};
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 13);
  c.image() = image;
  c.decode();
  FactoryModel model = FactoryModel::FromContainer(c);
  Image mine = image;
  model.toImage(mine);
  EXPECT_EQ(mine, image);  // what the codec decoded turns back into the same bytes

  // An erased edge counts as 0 MHz.
  Image erased{};
  erased.fill(0xFF);
  model.fromImage(erased);
  EXPECT_EQ(model.lowerEdge(), 0);
  model.setModelName("NEW");
  model.toContainer(c);
  EXPECT_EQ(c.radioInfo().modelName(), "NEW");
}

}  // namespace
}  // namespace vex
