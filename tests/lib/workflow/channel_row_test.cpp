#include "workflow/channel_row.h"

#include <gtest/gtest.h>

#include <fstream>

#include "../core/codeplug_test_support.h"
#include "config/language_texts.h"
#include "core/new_channel.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"

namespace vex {
namespace {

using C = ChannelColumn;

class ChannelRows : public ::testing::Test {
 protected:
  ChannelRows() {
    std::ofstream(dir.file("L.lng")) << "[Setting]\n"
                                        "S0203661=0.12.5 kHz;1.25 kHz\n"
                                        "S0203663=0.Low;1.High\n"
                                        "S0203668=0.None;1.CTCSS;2.CDCSS;3.CDCSS Invert\n"
                                        "S0203677=0.None;1.CTCSS;2.CDCSS;3.CDCSS Invert\n"
                                        "S0203706=0.None;1.1\n"
                                        "S0203708=0.Off;1.On\n";
    InitNewChannel(record, 0);
  }
  std::string& cell(ChannelRow& row, C column) { return row[IndexOf(column)]; }

  test::ScratchDir dir;
  LanguageTexts texts{dir.file("L.lng")};
  ChannelRowContext context{texts, BandLimits{446, 446}, 2, 1};
  ChannelRecord record;
};

TEST_F(ChannelRows, ANewChannelReadsAsTheGridShowsIt) {
  const ChannelRow row = LoadChannelRow(record, context);
  const ChannelRow expected{"446.00625", "CTCSS",    "94.8", "023", "446.00625", "CTCSS", "94.8",
                            "023",       "12.5 kHz", "Low",  "1",   "1",         "Off"};
  EXPECT_EQ(row, expected);
  EXPECT_TRUE(ChannelColumnOf(C::RxCtcss).inUse(record));
  EXPECT_FALSE(ChannelColumnOf(C::RxCdcss).inUse(record));
}

TEST_F(ChannelRows, StoringWhatWasLoadedChangesNoByte) {
  for (std::size_t i = 0; i < record.bytes.size(); ++i)
    if (i < 4 || i >= 20) record.bytes[i] = static_cast<std::uint8_t>(0x5A + i);  // bits no column edits
  WriteField(SchemaField(FieldArea::Channel, "atis"), record.span(), 1);
  const ChannelRecord before = record;
  StoreChannelRow(LoadChannelRow(record, context), context, record);
  EXPECT_EQ(record.bytes, before.bytes);
}

TEST_F(ChannelRows, APersonalityEditChangesOnlyItsByte) {
  WriteField(SchemaField(FieldArea::Channel, "atis"), record.span(), 1);
  const ChannelRecord before = record;
  ChannelRow row = LoadChannelRow(record, context);
  cell(row, C::Personality) = "2";
  StoreChannelRow(row, context, record);
  for (std::size_t i = 0; i < record.bytes.size(); ++i)
    EXPECT_EQ(record.bytes[i], i == SchemaField(FieldArea::Channel, "personality").offset ? 1 : before.bytes[i]) << i;
}

TEST_F(ChannelRows, ATypeChangeTakesTheOtherToneColumn) {
  ChannelRow row = LoadChannelRow(record, context);
  cell(row, C::RxType) = "CDCSS";
  StoreChannelRow(row, context, record);
  EXPECT_EQ(record.rxTone() >> 14, 2);
  EXPECT_EQ(record.rxTone() & 0x0FFF, 0x013);  // the placeholder code 023
  EXPECT_TRUE(ChannelColumnOf(C::RxCdcss).inUse(record));
  EXPECT_FALSE(ChannelColumnOf(C::RxCtcss).inUse(record));
  row = LoadChannelRow(record, context);
  EXPECT_EQ(cell(row, C::RxCtcss), "67.0");
  EXPECT_EQ(cell(row, C::RxCdcss), "023");
}

TEST_F(ChannelRows, ANonStandardToneSetsBitThirteen) {
  ChannelRow row = LoadChannelRow(record, context);
  cell(row, C::TxCtcss) = "69.4";
  StoreChannelRow(row, context, record);
  EXPECT_EQ(record.txTone() & 0x2FFF, 0x2000 | 694);
  cell(row, C::TxCtcss) = "69.3";
  StoreChannelRow(row, context, record);
  EXPECT_EQ(record.txTone() & 0x2FFF, 693);
}

TEST_F(ChannelRows, AnEmptyReceiveFrequencyStoresNoneBothWays) {
  ChannelRow row = LoadChannelRow(record, context);
  cell(row, C::RxFrequency) = "";
  StoreChannelRow(row, context, record);
  EXPECT_EQ(record.rxFrequency(), kNoFrequency);
  EXPECT_EQ(record.txFrequency(), kNoFrequency);
  EXPECT_EQ(LoadChannelRow(record, context)[IndexOf(C::TxFrequency)], "");
}

TEST_F(ChannelRows, UnknownTextsLeaveTheirBits) {
  ChannelRow row = LoadChannelRow(record, context);
  cell(row, C::Power) = "Medium";
  cell(row, C::Personality) = "";
  cell(row, C::ScanList) = "x";
  cell(row, C::AutoStartScan) = "";
  const ChannelRecord before = record;
  StoreChannelRow(row, context, record);
  EXPECT_EQ(record.bytes, before.bytes);
}

TEST_F(ChannelRows, CellsAcceptOnlyWhatTheColumnCanStore) {
  auto check = [&](C column, std::string_view text) { return ChannelColumnOf(column).check(text, context); };
  EXPECT_EQ(check(C::RxFrequency, "480"), "446.99750");  // into 446-446, down to the 2.5 kHz raster
  EXPECT_EQ(check(C::RxFrequency, " 446.0071 "), "446.00500");
  EXPECT_EQ(check(C::TxFrequency, ""), "");
  EXPECT_FALSE(check(C::RxFrequency, "446,1"));
  EXPECT_FALSE(check(C::RxFrequency, "."));
  EXPECT_EQ(check(C::RxType, "cdcss invert"), "CDCSS Invert");
  EXPECT_FALSE(check(C::RxType, "DCS"));
  EXPECT_EQ(check(C::RxCtcss, "20"), "40.0");
  EXPECT_FALSE(check(C::RxCtcss, "9a"));
  EXPECT_EQ(check(C::TxCdcss, "23"), "023");
  EXPECT_FALSE(check(C::TxCdcss, "089"));
  EXPECT_EQ(check(C::Personality, "2"), "2");
  EXPECT_FALSE(check(C::Personality, "3"));  // two personalities
  EXPECT_FALSE(check(C::Personality, "0"));
  EXPECT_EQ(check(C::ScanList, "none"), "None");
  EXPECT_FALSE(check(C::ScanList, "2"));
  EXPECT_EQ(check(C::AutoStartScan, "ON"), "On");
}

TEST_F(ChannelRows, ListColumnsOfferTheirOptions) {
  EXPECT_EQ(ChannelColumnOf(C::RxCtcss).options(context).size(), 50u);
  EXPECT_EQ(ChannelColumnOf(C::RxCtcss).options(context).front(), "67.0");
  EXPECT_EQ(ChannelColumnOf(C::TxCdcss).options(context).size(), 104u);
  EXPECT_EQ(ChannelColumnOf(C::TxCdcss).options(context).front(), "023");
  EXPECT_EQ(ChannelColumnOf(C::Personality).options(context), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(ChannelColumnOf(C::ScanList).options(context), (std::vector<std::string>{"None", "1"}));
  EXPECT_EQ(ChannelColumnOf(C::Power).options(context), (std::vector<std::string>{"Low", "High"}));
  EXPECT_TRUE(ChannelColumnOf(C::RxFrequency).options(context).empty());
}

}  // namespace
}  // namespace vex
