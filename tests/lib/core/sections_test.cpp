#include <gtest/gtest.h>

#include "core/sections/embedded_section.h"
#include "core/sections/password_section.h"
#include "core/sections/ptt_id_section.h"
#include "core/sections/radio_info_section.h"
#include "core/sections/test_freq_section.h"
#include "core/time_stamp.h"

namespace {

using namespace vex;
using Group = TestFreqSection::Group;

TEST(TestFreqSection, DefaultsSpreadOverTheBand) {
  TestFreqSection section;
  section.setBand(400, 470);
  section.reset();
  const char* rx[] = {"400.15000", "417.15000", "435.15000", "452.15000", "469.85000"};
  const char* tx[] = {"400.00000", "417.00000", "435.00000", "452.00000", "470.00000"};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(section.text(Group::FivePointRx, i), rx[i]) << i;
    EXPECT_EQ(section.text(Group::FivePointTx, i), tx[i]) << i;
  }
  EXPECT_EQ(section.text(Group::TestRx, 1), "408.15000");  // G + d
  EXPECT_EQ(section.text(Group::TestRx, 2), "416.85000");  // F - d
  EXPECT_EQ(section.text(Group::TestTx, 8), "470.00000");
  EXPECT_EQ(section.text(Group::TestRx, 9), "");
  EXPECT_EQ(section.frequency(Group::TestTx, 15), 0u);
  EXPECT_EQ(section.stepCode(Group::FivePointRx, 0), 6);
}

TEST(TestFreqSection, DefaultsUseIntegerHalvesAndStayAboveZero) {
  TestFreqSection section;
  section.setBand(136, 174);  // M 155, F 145, G 140, Q 150, U 164, W 159, Z 169
  section.reset();
  const char* tx[] = {"136.00000", "140.00000", "145.00000", "150.00000", "155.00000",
                      "159.00000", "164.00000", "169.00000", "174.00000"};
  for (std::size_t i = 0; i < std::size(tx); ++i) EXPECT_EQ(section.text(Group::TestTx, i), tx[i]) << i;
  EXPECT_EQ(section.text(Group::TestRx, 3), "149.85000");
  EXPECT_EQ(section.text(Group::TestRx, 5), "159.15000");
  EXPECT_EQ(section.text(Group::FivePointRx, 3), "164.15000");

  section.setBand(0, 0);
  section.reset();
  EXPECT_EQ(section.text(Group::TestRx, 0), "0.15000");
  EXPECT_EQ(section.frequency(Group::TestRx, 8), 0u);  // H - d cannot go below 0
}

TEST(TestFreqSection, StoresTextsWithTheirStepCodes) {
  TestFreqSection section;
  struct Case {
    const char* text;
    std::uint8_t step;
    const char* shown;
  };
  const Case cases[] = {{"440.00625", 3, "440.00625"},
                        {"440.005", 2, "440.00500"},
                        {"440.01", 7, "440.01000"},
                        {"440.0051", 6, "440.00000"}};
  for (const Case& c : cases) {
    section.setText(Group::FivePointTx, 2, c.text);
    EXPECT_EQ(section.stepCode(Group::FivePointTx, 2), c.step) << c.text;
    EXPECT_EQ(section.text(Group::FivePointTx, 2), c.shown);
    section.setText(Group::TestTx, 15, c.text);
    EXPECT_EQ(section.stepCode(Group::TestTx, 15), c.step) << c.text;
  }
  // The receive nibble of the shared step byte is left alone.
  section.setText(Group::FivePointRx, 2, "440.01");
  section.setText(Group::FivePointTx, 2, "440.005");
  EXPECT_EQ(section.bytes()[202], 0x27);
  section.setText(Group::FivePointRx, 2, "");
  EXPECT_EQ(section.frequency(Group::FivePointRx, 2), 0u);
  EXPECT_EQ(section.text(Group::FivePointRx, 2), "");
  // Out-of-range indexes are ignored.
  section.setText(Group::FivePointRx, 5, "440.01");
  EXPECT_EQ(section.frequency(Group::FivePointRx, 5), 0u);
}

TEST(PasswordSection, StoresTextsPaddedWithZerosAndSetsFlags) {
  PasswordSection section;
  section.setText(PasswordSection::kRead, "1234");
  section.setText(PasswordSection::kWrite, "123456789");
  section.storeTexts();
  const auto b = section.bytes();
  EXPECT_EQ(b[16], '1');
  EXPECT_EQ(b[19], '4');
  EXPECT_EQ(b[20], 0);
  EXPECT_EQ(b[15], '8');  // cut to eight characters
  EXPECT_TRUE(section.isSet(PasswordSection::kRead));
  EXPECT_FALSE(section.isSet(PasswordSection::kPowerOn));
  section.loadTexts();
  EXPECT_EQ(section.text(PasswordSection::kWrite), "12345678");

  section.setText(PasswordSection::kWrite, "");
  section.storeTexts();
  EXPECT_FALSE(section.isSet(PasswordSection::kWrite));
  EXPECT_EQ(b[8], 0);

  // Flags follow passwords that arrive with loaded data, too.
  b[0] = '7';
  section.loadTexts();
  EXPECT_TRUE(section.isSet(PasswordSection::kPowerOn));
  EXPECT_EQ(section.text(PasswordSection::kPowerOn), "7");
}

TEST(PttIdSection, PrimaryIdsAreMadeValidBeforeTheyShow) {
  EXPECT_EQ(PttIdSection::primaryIdText(0xFFFF), "DEEE");
  EXPECT_EQ(PttIdSection::primaryIdText(0xD0FF), "D0EE");  // below DEEE, lower digits capped
  EXPECT_EQ(PttIdSection::primaryIdText(0x1F2A), "1E2A");
  EXPECT_EQ(PttIdSection::primaryIdText(0), "0001");
  EXPECT_EQ(PttIdSection::primaryIdText(0x0123), "0123");
}

TEST(PttIdSection, TypedIdsAreCorrectedWhenTheEditIsLeft) {
  EXPECT_EQ(PttIdSection::typedPrimaryId("E123"), "D123");
  EXPECT_EQ(PttIdSection::typedPrimaryId("1EEE"), "1EEE");
  EXPECT_EQ(PttIdSection::typedPrimaryId("0"), "0001");
  EXPECT_EQ(PttIdSection::typedPrimaryId(""), "0001");
  EXPECT_EQ(PttIdSection::typedPrimaryId("abc"), "0ABC");
  EXPECT_EQ(PttIdSection::typedPrimaryId("12FF"), "12EE");  // pasted past the filter
  EXPECT_EQ(PttIdSection::typedGroupId("E12F"), "E12");     // the fourth digit is dropped
  EXPECT_EQ(PttIdSection::typedGroupId("FFF"), "EEE");
  EXPECT_EQ(PttIdSection::typedGroupId(""), "001");
  EXPECT_EQ(PttIdSection::typedGroupId("000"), "001");
}

TEST(RadioInfoSection, ResetKeepsAFixedTimeStampAndDashedSerial) {
  RadioInfoSection section;
  section.bytes()[60] = 'X';
  section.reset();
  EXPECT_EQ(section.serialNumber(), "----------------");
  EXPECT_EQ(section.modelName(), "");
  EXPECT_FALSE(section.isVhf());
  const TimeStamp stamp = MakeTimeStamp(2000, 1, 1, 0, 0, 0);
  EXPECT_TRUE(std::equal(stamp.begin(), stamp.end(), section.bytes().begin() + 16));
  const TimeStamp later = MakeTimeStamp(2026, 12, 8, 13, 5, 59);
  const TimeStamp expected{59, 5, 13, 8, 12, 26, 20, 0};
  EXPECT_EQ(later, expected);
  std::array<std::uint8_t, 8192> image{};
  WriteTimeStamp(image, later);
  EXPECT_EQ(image[31], 0);
  EXPECT_EQ(image[32], 59);
  EXPECT_EQ(image[38], 20);
}

}  // namespace

namespace {

TEST(EmbeddedSection, TextsArePaddedWithSpacesAndReadBackTrimmed) {
  vex::EmbeddedSection section;
  EXPECT_EQ(section.text(2), "");
  section.setText(0, "1234");
  section.setText(5, std::string(40, 'm'));
  EXPECT_EQ(section.bytes()[4], ' ');
  EXPECT_EQ(section.text(0), "1234");
  EXPECT_EQ(section.text(5), std::string(32, 'm'));
  section.bytes()[16] = 0xFF;
  EXPECT_EQ(section.text(2), "");
  EXPECT_EQ(section.text(6), "");
}

}  // namespace
