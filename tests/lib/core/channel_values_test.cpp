#include "core/channel_values.h"

#include <gtest/gtest.h>

#include "base/bcd.h"
#include "core/new_channel.h"

namespace {

using namespace vex;

const BandLimits kUhf{400, 470};

ChannelRecord NewChannel() {
  ChannelRecord record;
  InitNewChannel(record, 0);
  return record;
}

TEST(StoreChannelValues, NoReceiveFrequencyForcesNoTransmitFrequency) {
  ChannelRecord record = NewChannel();
  ChannelValueSet values = LoadChannelValues(record);
  values.rxFrequency = kNoFrequency;
  values.txFrequency = 0x44600625;
  StoreChannelValues(values, kUhf, record);
  EXPECT_EQ(record.rxFrequency(), kNoFrequency);
  EXPECT_EQ(record.txFrequency(), kNoFrequency);
}

TEST(StoreChannelValues, PullsBothFrequenciesIntoTheBandOnlyWhenTransmitIsSet) {
  ChannelRecord record = NewChannel();
  ChannelValueSet values = LoadChannelValues(record);
  values.rxFrequency = 0x50000000;
  values.txFrequency = 0x39000000;
  StoreChannelValues(values, kUhf, record);
  EXPECT_EQ(record.rxFrequency(), 0x47000000u);
  EXPECT_EQ(record.txFrequency(), 0x40000000u);

  values.txFrequency = kNoFrequency;
  StoreChannelValues(values, kUhf, record);
  EXPECT_EQ(record.rxFrequency(), 0x50000000u);
  EXPECT_EQ(record.txFrequency(), kNoFrequency);
}

// With the shipped PMR446 range every PMR446 frequency used to be stored as
// 446.00000.
TEST(StoreChannelValues, ASingleMegahertzRangeKeepsEveryFrequencyInsideIt) {
  const BandLimits pmr446 = BandLimitsOf("446-446");
  for (std::uint32_t k = 0; k < 16; ++k) {
    const EncodedFrequency f =
        EncodeFrequency(DecodeFrequency(PackBcd(44600625 + 1250 * k)), FrequencyRounding::Truncate);
    ChannelRecord record = NewChannel();
    ChannelValueSet values = LoadChannelValues(record);
    values.rxFrequency = values.txFrequency = f.value;
    values.rxStepCode = values.txStepCode = f.stepCode;
    const ChannelStoreResult result = StoreChannelValues(values, pmr446, record);
    EXPECT_FALSE(result.clamped) << k;
    EXPECT_EQ(record.rxFrequency(), f.value) << k;
    EXPECT_EQ(record.txFrequency(), f.value) << k;
    EXPECT_EQ(record.bytes[16], 0x33) << k;
  }
  // Outside that MHz the edges are 446.00000 and 446.99999, and a moved
  // frequency is put on a raster inside the band.
  ChannelRecord record = NewChannel();
  ChannelValueSet values = LoadChannelValues(record);
  values.rxFrequency = PackBcd(44750000);
  values.txFrequency = PackBcd(44500625);
  EXPECT_TRUE(StoreChannelValues(values, pmr446, record).clamped);
  EXPECT_EQ(record.rxFrequency(), PackBcd(44698750));
  EXPECT_EQ(record.txFrequency(), PackBcd(44600000));
}

TEST(StoreChannelValues, AClampedFrequencyTakesTheStepCodeOfTheValueStored) {
  ChannelRecord record = NewChannel();
  ChannelValueSet values = LoadChannelValues(record);
  values.rxFrequency = PackBcd(50000625);  // 6.25 kHz raster: step code 3
  values.txFrequency = PackBcd(44600500);  // inside, 5 kHz raster: step code 2
  values.rxStepCode = 3;
  values.txStepCode = 2;
  EXPECT_TRUE(StoreChannelValues(values, kUhf, record).clamped);
  EXPECT_EQ(record.rxFrequency(), PackBcd(47000000));
  EXPECT_EQ(record.rxStepCode(), 6);
  EXPECT_EQ(record.txFrequency(), PackBcd(44600500));
  EXPECT_EQ(record.txStepCode(), 2);
}

TEST(StoreChannelValues, ARangeThatNamesNoBandLeavesFrequenciesAloneAndSaysSo) {
  for (const char* range : {"", "abc", "446", "470-400", "0-0", "1200-1300"}) {
    ChannelRecord record = NewChannel();
    ChannelValueSet values = LoadChannelValues(record);
    values.rxFrequency = PackBcd(14552500);
    values.txFrequency = PackBcd(44600625);
    const ChannelStoreResult result = StoreChannelValues(values, BandLimitsOf(range), record);
    EXPECT_TRUE(result.bandUnknown) << range;
    EXPECT_FALSE(result.clamped) << range;
    EXPECT_EQ(record.rxFrequency(), PackBcd(14552500)) << range;
    EXPECT_EQ(record.txFrequency(), PackBcd(44600625)) << range;
  }
}

TEST(StoreChannelValues, ACdcssTextThatIsNoCodeKeepsTheStoredCode) {
  ChannelRecord record = NewChannel();
  record.setRxTone(0x8000 | 0x1000 | 0x013);  // CDCSS 023
  ChannelValueSet values = LoadChannelValues(record);
  values.rxCdcss = "029";
  values.txType = kToneCdcss;
  values.txCdcss = "025";
  const ChannelStoreResult result = StoreChannelValues(values, kUhf, record);
  EXPECT_TRUE(result.rxCdcssRefused);
  EXPECT_FALSE(result.txCdcssRefused);
  EXPECT_EQ(record.rxTone(), 0x8000 | 0x1000 | 0x013);
  EXPECT_EQ(record.txTone() & 0xC000, 0x8000);
  EXPECT_EQ(record.txTone() & 0x0FFF, 0x015);
}

TEST(StoreChannelValues, RecomputesTheNonStandardFlagAndKeepsBit12) {
  ChannelRecord record = NewChannel();
  ChannelValueSet values = LoadChannelValues(record);
  values.rxType = kToneCtcss;
  values.rxCtcss = "69.4";
  values.txType = kToneCtcss;
  values.txCtcss = "69.3";
  StoreChannelValues(values, kUhf, record);
  EXPECT_EQ(record.rxTone(), 0x4000 | 0x2000 | 0x1000 | 694);
  EXPECT_EQ(record.txTone(), 0x4000 | 0x1000 | 693);

  values.rxType = kToneCdcss;
  values.rxCdcss = "023";
  values.txType = kToneCdcssInverted;
  values.txCdcss = "024";
  StoreChannelValues(values, kUhf, record);
  EXPECT_EQ(record.rxTone(), 0x8000 | 0x1000 | 0x013);
  EXPECT_EQ(record.txTone(), 0xC000 | 0x2000 | 0x1000 | 0x014);
}

TEST(StoreChannelValues, TypeNoneKeepsTheWordsValueBitsThroughEdits) {
  ChannelRecord record = NewChannel();
  record.setRxTone(0x2ABC);  // type 0, flag and value that must survive
  ChannelValueSet values = LoadChannelValues(record);
  EXPECT_EQ(values.rxType, kToneNone);
  EXPECT_EQ(values.rxCtcss, "67.0");
  EXPECT_EQ(values.rxCdcss, "023");
  values.rxCtcss = "100.0";
  values.rxCdcss = "754";
  for (int i = 0; i < 3; ++i) {
    StoreChannelValues(values, kUhf, record);
  }
  EXPECT_EQ(record.rxTone(), 0x2ABC);
}

TEST(StoreChannelValues, PacksIndexesAndStepCodesIntoNibbles) {
  ChannelRecord record = NewChannel();
  ChannelValueSet values = LoadChannelValues(record);
  values.spacing = 2;
  values.power = 1;
  values.rxStepCode = 7;
  values.txStepCode = 3;
  StoreChannelValues(values, kUhf, record);
  EXPECT_EQ(record.bytes[17], 0x12);
  EXPECT_EQ(record.bytes[16], 0x37);
  const ChannelValueSet back = LoadChannelValues(record);
  EXPECT_EQ(back.spacing, 2);
  EXPECT_EQ(back.power, 1);
  EXPECT_EQ(back.rxStepCode, 7);
  EXPECT_EQ(back.txStepCode, 3);
}

TEST(LoadChannelValues, ShowsTheUsedToneAndPlaceholdersForTheOther) {
  ChannelRecord record = NewChannel();
  record.setRxTone(0x53B4);
  record.setTxTone(0x81EC);
  const ChannelValueSet values = LoadChannelValues(record);
  EXPECT_EQ(values.rxType, kToneCtcss);
  EXPECT_EQ(values.rxCtcss, "94.8");
  EXPECT_EQ(values.rxCdcss, "023");
  EXPECT_EQ(values.txType, kToneCdcss);
  EXPECT_EQ(values.txCtcss, "67.0");
  EXPECT_EQ(values.txCdcss, "754");
}

TEST(StoreChannelValues, LoadThenStoreChangesNothing) {
  for (std::size_t n = 0; n < kDefaultChannelRows; ++n) {
    ChannelRecord record;
    InitNewChannel(record, n);
    const ChannelRecord before = record;
    StoreChannelValues(LoadChannelValues(record), kUhf, record);
    EXPECT_EQ(record.bytes, before.bytes) << n;
  }
}

TEST(InitNewChannel, GivesTheSixteenDefaultChannels) {
  for (std::size_t n = 0; n < kDefaultChannelRows; ++n) {
    ChannelRecord record;
    InitNewChannel(record, n);
    const auto expected = PackBcd(44600625 + 1250 * static_cast<std::uint32_t>(n % 8));
    EXPECT_EQ(record.rxFrequency(), expected) << n;
    EXPECT_EQ(record.txFrequency(), record.rxFrequency());
    EXPECT_EQ(record.bytes[16], 0x33);
    EXPECT_EQ(record.rxTone(), record.txTone());
    EXPECT_EQ(record.bytes[18], 0);
    EXPECT_EQ(record.bytes[19], 1);
    EXPECT_EQ(record.bytes[20], n == 15 ? 0x40 : 0x00);
    EXPECT_EQ(record.bytes[21], 0xFC);
    EXPECT_EQ(record.bytes[0], 0xFF);
    EXPECT_EQ(record.bytes[3], 0xFF);
    EXPECT_EQ(record.bytes[22], 0);
    EXPECT_EQ(record.bytes[23], 0);
  }
  ChannelRecord first;
  InitNewChannel(first, 0);
  EXPECT_EQ(first.rxFrequency(), 0x44600625u);
  EXPECT_EQ(first.rxTone(), 0x53B4);
  ChannelRecord last;
  InitNewChannel(last, 15);
  EXPECT_EQ(last.rxFrequency(), 0x44609375u);
  EXPECT_EQ(DecodeCtcss(last.rxTone()), "156.7");
  // Positions past the table start over instead of reading past it.
  ChannelRecord seventeenth;
  InitNewChannel(seventeenth, 16);
  EXPECT_EQ(seventeenth.rxFrequency(), 0x44600625u);
  EXPECT_EQ(seventeenth.rxTone(), 0x53B4);
}

}  // namespace
