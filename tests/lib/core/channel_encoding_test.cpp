#include "core/channel_encoding.h"

#include <gtest/gtest.h>

#include <clocale>

#include "base/bcd.h"
#include "core/tone_tables.h"

namespace {

using namespace vex;

struct FrequencyCase {
  const char* text;
  std::uint32_t value;
  std::uint8_t step;
};

TEST(EncodeFrequency, PicksTheRasterAndMovesOffRasterValuesDown) {
  const FrequencyCase cases[] = {
      {"446.00625", 0x44600625, 3},  // 6.25 kHz
      {"145.525", 0x14552500, 6},    // 12.5 kHz
      {"146.52", 0x14652000, 7},     // 10 kHz, not on 12.5 kHz
      {"446.005", 0x44600500, 2},    // 5 kHz
      {"446.0071", 0x44600000, 6},   // no raster: down to 12.5 kHz
      {"146.525", 0x14652500, 6},    // 25 kHz counts as 12.5 kHz
      {"  440.01", 0x44001000, 7},   // leading blanks
  };
  for (const auto& c : cases) {
    const EncodedFrequency e = EncodeFrequency(c.text, FrequencyRounding::Nearest);
    EXPECT_EQ(e.value, c.value) << c.text;
    EXPECT_EQ(e.stepCode, c.step) << c.text;
  }
}

TEST(EncodeFrequency, RoundsOrTruncatesBelowTenHertz) {
  // 446.006249 MHz is 44600624.9 units of 10 Hz.
  EXPECT_EQ(EncodeFrequency("446.006249", FrequencyRounding::Nearest).value, 0x44600625u);
  EXPECT_EQ(EncodeFrequency("446.006249", FrequencyRounding::Truncate).value, 0x44600000u);
  // Every PMR446 list text survives the truncating path.
  const auto& texts = Pmr446FrequencyTexts();
  for (std::size_t i = 1; i < texts.size(); ++i) {
    const EncodedFrequency e = EncodeFrequency(texts[i], FrequencyRounding::Truncate);
    EXPECT_EQ(DecodeFrequency(e.value), texts[i]);
    EXPECT_EQ(e.stepCode, 3);
  }
}

TEST(EncodeFrequency, EmptyTextIsNoFrequencyAndOutOfRangeTextsStayInEightDigits) {
  EXPECT_EQ(EncodeFrequency("", FrequencyRounding::Nearest).value, kNoFrequency);
  EXPECT_EQ(EncodeFrequency("  ", FrequencyRounding::Nearest).stepCode, kNoStepCode);
  EXPECT_EQ(EncodeFrequency("-5", FrequencyRounding::Nearest).value, 0u);
  EXPECT_EQ(EncodeFrequency("abc", FrequencyRounding::Nearest).value, 0u);
  const EncodedFrequency big = EncodeFrequency("1500", FrequencyRounding::Nearest);
  EXPECT_EQ(big.value, 0x99998750u);
  EXPECT_EQ(big.stepCode, 6);
}

TEST(DecodeFrequency, WritesFiveDecimalsWhateverTheLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // may not exist; harmless then
  EXPECT_EQ(DecodeFrequency(0x44600625), "446.00625");
  EXPECT_EQ(DecodeFrequency(0x00012500), "0.12500");
  EXPECT_EQ(EncodeFrequency("145.525", FrequencyRounding::Nearest).value, 0x14552500u);
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_EQ(DecodeFrequency(kNoFrequency), "None");
  // A nibble that is no decimal digit ends the number, as reading it would.
  EXPECT_EQ(DecodeFrequency(0x446A0625), "0.00446");
}

TEST(Bcd, PacksAndUnpacksEightDigits) {
  EXPECT_EQ(PackBcd(44600625), 0x44600625u);
  EXPECT_EQ(UnpackBcd(0x14552500), 14552500u);
  EXPECT_EQ(UnpackBcd(PackBcd(1)), 1u);
  EXPECT_EQ(MegahertzToBcd(470), 0x47000000u);
}

TEST(StepCodeFor, ChecksRastersInOrder) {
  std::uint32_t f = 2500;  // on 12.5 and 6.25 kHz: 12.5 wins
  EXPECT_EQ(StepCodeFor(f), 6);
  f = 3000;  // on 10 and 5 kHz: 10 wins
  EXPECT_EQ(StepCodeFor(f), 7);
  f = 44000510;
  EXPECT_EQ(StepCodeFor(f), 6);
  EXPECT_EQ(f, 44000000u);
}

TEST(Ctcss, EncodesWithClampsAndDecodesTenths) {
  EXPECT_EQ(EncodeCtcss("69.3"), 693);
  EXPECT_EQ(EncodeCtcss("20"), 400);
  EXPECT_EQ(EncodeCtcss("400.0"), 3000);
  EXPECT_EQ(EncodeCtcss(""), 400);
  EXPECT_EQ(DecodeCtcss(948), "94.8");
  EXPECT_EQ(DecodeCtcss(0x53B4), "94.8");  // type and flag bits ignored
  EXPECT_EQ(DecodeCtcss(1000), "100.0");
}

TEST(Cdcss, ReadsOctalDigits) {
  const auto value = [](std::string_view text) { return ParseCdcss(text).value_or(CdcssCode{-1, 0xFFFF}).value; };
  EXPECT_EQ(value("023"), 0x013);
  EXPECT_EQ(ParseCdcss("023")->digits, 23);
  EXPECT_EQ(value("754"), 492);
  EXPECT_EQ(value("024"), 0x014);
  EXPECT_EQ(value("777"), 511);
  EXPECT_EQ(value(" 23 "), 0x013);
  EXPECT_EQ(value("0023"), 0x013);
  EXPECT_EQ(value("0"), 0);
}

// A digit 8 or 9 used to be read as octal into another code (029 became 031).
TEST(Cdcss, RefusesWhatIsNoCode) {
  for (const char* text : {"029", "080", "999", "8", "1000", "7770", "", "  ", "-12", "2 3", "23a", "0x13", "+23"}) {
    EXPECT_FALSE(ParseCdcss(text).has_value()) << '"' << text << '"';
  }
}

TEST(Cdcss, DecodesTheStoredValue) {
  EXPECT_EQ(DecodeCdcss(19), "023");
  EXPECT_EQ(DecodeCdcss(0x41EC), "754");
  EXPECT_EQ(DecodeCdcss(0xFFF), "7777");
}

TEST(ToneTables, EveryStandardToneRoundTripsAsStandard) {
  for (double tone : kCtcssTones) {
    const std::uint16_t value = EncodeCtcss(DecodeCtcss(static_cast<std::uint16_t>(CtcssTenths(tone))));
    EXPECT_TRUE(IsStandardTone(true, value)) << tone;
  }
  for (int code : kCdcssCodes) {
    const std::string text = DecodeCdcss(ParseCdcss(std::to_string(code))->value);
    EXPECT_EQ(ParseCdcss(text)->digits, code);
    EXPECT_TRUE(IsStandardTone(false, code));
  }
  EXPECT_FALSE(IsStandardTone(true, 694));
  EXPECT_FALSE(IsStandardTone(false, 24));
}

TEST(Pmr446, ListsNoneAndTheEightChannels) {
  const auto& texts = Pmr446FrequencyTexts();
  ASSERT_EQ(texts.size(), 9u);
  EXPECT_EQ(texts[0], "None");
  EXPECT_EQ(texts[1], "446.00625");
  EXPECT_EQ(texts[8], "446.09375");
  EXPECT_EQ(Pmr446IndexOf(kNoFrequency), 0);
  EXPECT_EQ(Pmr446IndexOf(0x44609375), 8);
  EXPECT_EQ(Pmr446IndexOf(0x14552500), -1);
  EXPECT_EQ(Pmr446Frequency(0).value, kNoFrequency);
  EXPECT_EQ(Pmr446Frequency(9).value, kNoFrequency);
  EXPECT_EQ(Pmr446Frequency(-1).value, kNoFrequency);
  EXPECT_EQ(Pmr446Frequency(2).value, 0x44601875u);
  EXPECT_TRUE(UsesPmr446Codes(446, false));
  EXPECT_FALSE(UsesPmr446Codes(446, true));
  EXPECT_FALSE(UsesPmr446Codes(400, false));
}

}  // namespace
