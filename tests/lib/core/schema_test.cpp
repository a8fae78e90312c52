// What the schema's field access does beyond its table: masked writes keep
// the other bits, values wider than a field are cut, the byte orders, short
// buffers, and texts that an erased byte ends.
#include "core/schema/schema.h"

#include <gtest/gtest.h>

#include <array>

#include "core/container.h"
#include "core/schema/schema_table.h"
#include "core/time_stamp.h"

namespace {

using namespace vex;
using A = FieldArea;

TEST(Schema, MaskedWritesKeepTheOtherBitsAndCutWideValues) {
  const FieldDef& gain = SchemaField(A::Misc, "vox_gain_level");  // bits 0..2
  std::array<std::uint8_t, 73> bytes{};
  bytes[gain.offset] = 0xF8;
  WriteField(gain, bytes, 5);
  EXPECT_EQ(bytes[gain.offset], 0xFD);
  WriteField(gain, bytes, 0x0F);  // wider than three bits
  EXPECT_EQ(bytes[gain.offset], 0xFF);
  EXPECT_EQ(ReadField(gain, bytes), 7);

  const FieldDef& power = SchemaField(A::Channel, "power");  // high nibble
  std::array<std::uint8_t, 24> channel{};
  channel[power.offset] = 0x03;
  WriteField(power, channel, 2);
  EXPECT_EQ(channel[power.offset], 0x23);
}

// The container holds the image's big-endian fields least significant byte
// first, and the codec turns exactly those; fields kept high byte first stay.
TEST(Schema, ByteOrdersAndShortBuffers) {
  struct Case {
    const FieldDef& field;
    std::array<std::uint8_t, 2> held;    // the field's bytes in the container after writing 0x0102
    std::array<std::uint8_t, 2> turned;  // the same in the image
  };
  const Case cases[] = {
      {SchemaField(A::ScanList, "designated_channel"), {0x02, 0x01}, {0x01, 0x02}},
      {SchemaField(A::Personality, "next_link"), {0x02, 0x01}, {0x02, 0x01}},
      {SchemaField(A::RadioInfo, "range_id"), {0x01, 0x02}, {0x01, 0x02}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.field.key));
    std::array<std::uint8_t, 76> bytes{};
    WriteField(c.field, bytes, 0x0102);
    EXPECT_EQ(ReadField(c.field, bytes), 0x0102);
    EXPECT_EQ(bytes[c.field.offset], c.held[0]);
    EXPECT_EQ(bytes[c.field.offset + 1], c.held[1]);
    TurnByteOrder(c.field.area, bytes);
    EXPECT_EQ(bytes[c.field.offset], c.turned[0]);
    EXPECT_EQ(bytes[c.field.offset + 1], c.turned[1]);

    std::array<std::uint8_t, 2> tooShort{};
    WriteField(c.field, tooShort, 7);
    EXPECT_EQ(ReadField(c.field, tooShort), 0);
    EXPECT_EQ(tooShort, (std::array<std::uint8_t, 2>{}));
  }
}

TEST(Schema, TextsEndAtAZeroOrErasedByteAndAreCutToTheirBytes) {
  const FieldDef& name = SchemaField(A::RadioInfo, "model_name");
  std::array<std::uint8_t, 72> info{};
  WriteFieldText(name, info, "A longer name than twelve");
  EXPECT_EQ(PlainFieldText(name, info), "A longer nam");
  info[1] = 0xFF;
  EXPECT_EQ(PlainFieldText(name, info), "A");
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
