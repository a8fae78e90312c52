#include "core/field_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/container.h"
#include "core/time_stamp.h"

namespace {

using namespace vex;

TEST(FieldTable, EveryFieldLiesInsideItsAreaAndHasAUniqueKey) {
  RadioDataContainer data;
  data.resetToDefaults();
  std::set<std::pair<FieldArea, std::string>> keys;
  for (const FieldDef& field : FieldTable()) {
    const std::string key(field.key);
    EXPECT_TRUE(keys.insert({field.area, key}).second) << key;
    EXPECT_LE(field.offset + field.width, AreaBytes(data, field.area).size()) << key;
    EXPECT_NE(field.mask, 0) << key;
    EXPECT_TRUE(field.width == 1 || field.mask == 0xFF) << key;
    EXPECT_NE(field.label, 0) << key;
    EXPECT_EQ(FindField(field.area, field.key), &field);
  }
  EXPECT_EQ(FindField(FieldArea::Misc, "no_such_field"), nullptr);
  EXPECT_EQ(FieldsOf(FieldArea::Misc).size(), 8u);
}

TEST(FieldTable, MaskedWritesKeepTheOtherBitsAndCutWideValues) {
  const FieldDef& gain = *FindField(FieldArea::Misc, "vox_gain_level");  // byte 5, bits 0..2
  const FieldDef& inhibit = *FindField(FieldArea::Misc, "vox_inhibit_on_receive");
  std::array<std::uint8_t, 73> bytes{};
  bytes[5] = 0xF8;
  WriteField(gain, bytes, 5);
  EXPECT_EQ(bytes[5], 0xFD);
  WriteField(gain, bytes, 0x0F);  // wider than three bits
  EXPECT_EQ(bytes[5], 0xFF);
  EXPECT_EQ(ReadField(gain, bytes), 7);
  WriteField(inhibit, bytes, 0);
  EXPECT_EQ(bytes[5], 0xF7);
  EXPECT_EQ(ReadField(inhibit, bytes), 0);

  const FieldDef& power = *FindField(FieldArea::Channel, "power");  // high nibble
  std::array<std::uint8_t, 24> channel{};
  channel[17] = 0x03;
  WriteField(power, channel, 2);
  EXPECT_EQ(channel[17], 0x23);
  EXPECT_EQ(ReadField(power, channel), 2);
}

TEST(FieldTable, WideFieldsAreLittleEndianAndShortBuffersReadNothing) {
  const FieldDef& designated = *FindField(FieldArea::ScanList, "designated_channel");
  std::array<std::uint8_t, 56> scan{};
  WriteField(designated, scan, 0x0102);
  EXPECT_EQ(scan[14], 0x02);
  EXPECT_EQ(scan[15], 0x01);
  EXPECT_EQ(ReadField(designated, scan), 0x0102);
  std::array<std::uint8_t, 15> tooShort{};
  WriteField(designated, tooShort, 7);
  EXPECT_EQ(ReadField(designated, tooShort), 0);
  EXPECT_EQ(tooShort[14], 0);
}

TEST(FieldTable, PlainTextsOfTheNonListKinds) {
  RadioDataContainer data;
  data.resetToDefaults();
  auto text = [&data](FieldArea area, std::string_view key) {
    return PlainFieldText(*FindField(area, key), AreaBytes(data, area));
  };
  EXPECT_EQ(text(FieldArea::Channel, "rx_frequency"), "446.00625");
  EXPECT_EQ(text(FieldArea::Channel, "rx_tone"), "94.8");
  EXPECT_EQ(text(FieldArea::Channel, "personality"), "1");
  EXPECT_EQ(text(FieldArea::RadioInfo, "serial_number"), std::string(16, '-'));
  EXPECT_EQ(text(FieldArea::RadioInfo, "last_programmed"), "2000-01-01 00:00:00");

  auto info = AreaBytes(data, FieldArea::RadioInfo);
  info[0] = 'A';
  info[1] = 0xFF;  // an erased byte ends a text like a zero byte does
  EXPECT_EQ(text(FieldArea::RadioInfo, "model_name"), "A");
  auto ptt = AreaBytes(data, FieldArea::PttId);
  ptt[0] = 0x34;
  ptt[1] = 0x12;
  EXPECT_EQ(text(FieldArea::PttId, "primary_id"), "1234");
  auto atis = AreaBytes(data, FieldArea::Atis);
  for (int i = 0; i < 6; ++i) atis[i] = static_cast<std::uint8_t>(0xA0 + i);
  EXPECT_EQ(text(FieldArea::Atis, "atis_code"), "A0A1A2A3A4A5");
}

TEST(ProgrammingDateText, OutOfRangeBytesShowTheirFallbacks) {
  const std::uint8_t normal[6] = {5, 4, 3, 2, 1, 26};
  EXPECT_EQ(ProgrammingDateText(normal), "2026-01-02 03:04:05");
  const std::uint8_t erased[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(ProgrammingDateText(erased), "2037-12-31 00:59:59");
  const std::uint8_t edges[6] = {60, 60, 24, 32, 13, 38};
  EXPECT_EQ(ProgrammingDateText(edges), "2037-12-31 00:59:59");
  const std::uint8_t highest[6] = {59, 59, 23, 31, 12, 37};
  EXPECT_EQ(ProgrammingDateText(highest), "2037-12-31 23:59:59");
  EXPECT_EQ(ProgrammingDateText({}), "2037-12-31 00:59:59");  // a short stamp reads as erased
}

}  // namespace
