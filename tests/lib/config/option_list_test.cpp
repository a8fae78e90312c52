#include "config/option_list.h"
#include "config/range_edit.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <vector>

namespace {

using vex::CommitRangeEdit;
using vex::CommitRangeEditWithOff;
using vex::LinearMap;
using vex::OptionList;
using vex::OptionPair;
using vex::RangeEditNumberOfRaw;
using vex::RangeRule;
using vex::ShowRangeEdit;
using vex::ShowRangeEditWithOff;

TEST(OptionList, RangeRuleGivesScaledPairsBothWays) {
  const OptionList list = OptionList::parse("0:5:20:10:0:1:1");
  const std::vector<OptionPair> expected{{0, "0.0"}, {1, "0.5"}, {2, "1.0"}, {3, "1.5"}, {4, "2.0"}};
  EXPECT_EQ(list.pairs(), expected);
  EXPECT_EQ(list.valueToText(3), "1.5");
  EXPECT_EQ(list.textToValue("1.5"), 3);  // 10 * 1.5 + 0.001 keeps 15
  EXPECT_EQ(list.textToValue("0.3"), 0);  // 3.001 -> 3 -> (3 - 0) * 1 / 5
  EXPECT_EQ(list.valueToText(5), "");
  EXPECT_EQ(list.valueToText(-1), "");
  ASSERT_TRUE(list.rangeRule());
  EXPECT_EQ(*list.rangeRule(), (RangeRule{0, 5, 20, 10, 0, 1, 1}));
}

TEST(OptionList, RangeRuleWithRawOffsetAndStep) {
  // Display 1..4, raw 10, 12, 14, 16.
  const OptionList list = OptionList::parse("1:1:4:1:10:2:0");
  EXPECT_EQ(list.pairs(), (std::vector<OptionPair>{{10, "1"}, {12, "2"}, {14, "3"}, {16, "4"}}));
  EXPECT_EQ(list.valueToText(14), "3");
  EXPECT_EQ(list.valueToText(18), "");
  EXPECT_EQ(list.valueToText(9), "");
  EXPECT_EQ(list.textToValue("3"), 14);
  EXPECT_EQ(list.textToValue("abc"), -1);
}

TEST(OptionList, IntegerRuleWithDivisorShowsTheSameTextEverywhere) {
  const OptionList list = OptionList::parse("0:10:30:10:0:1:0");
  EXPECT_EQ(list.pairs(), (std::vector<OptionPair>{{0, "0"}, {1, "1"}, {2, "2"}, {3, "3"}}));
  EXPECT_EQ(list.valueToText(2), "2");
  EXPECT_EQ(list.textToValue("2"), 2);
}

TEST(OptionList, ValueItemsSplitAtTheFirstDot) {
  const OptionList list = OptionList::parse("0.Off;2.1.5 s;-1.None;3.Time: 5 s");
  EXPECT_EQ(list.pairs(), (std::vector<OptionPair>{{0, "Off"}, {2, "1.5 s"}, {-1, "None"}, {3, "Time: 5 s"}}));
  EXPECT_EQ(list.valueToText(2), "1.5 s");
  EXPECT_EQ(list.textToValue("1.5 s"), 2);
  EXPECT_EQ(list.textToValue("1.5"), -1);  // value items match the whole text only
  EXPECT_EQ(list.valueToText(7), "");
  EXPECT_FALSE(list.rangeRule());
}

TEST(OptionList, MalformedItemsAreLeftOut) {
  const OptionList list =
      OptionList::parse(".NoValue;NoDot;x1.Bad;;1:2:3;0:0:10:1:0:1:0;0:1:5:0:0:1:0;0:1:5:1:0:0:0;4.Four;");
  EXPECT_EQ(list.pairs(), (std::vector<OptionPair>{{4, "Four"}}));
  EXPECT_FALSE(list.rangeRule());
  EXPECT_TRUE(OptionList::parse("").empty());
  EXPECT_TRUE(OptionList::parse(";;;").empty());
}

TEST(OptionList, ItemsAreTriedInOrder) {
  const OptionList list = OptionList::parse("0.Off;0:1:5:1:0:1:0");
  EXPECT_EQ(list.valueToText(0), "Off");
  EXPECT_EQ(list.textToValue("Off"), 0);
  EXPECT_EQ(list.textToValue("3"), 3);
  EXPECT_EQ(list.pairs().size(), 7u);
}

TEST(OptionList, HugeRulesAndNumbersStayBounded) {
  const OptionList list = OptionList::parse("0:1:2000000000:1:0:1:0");
  EXPECT_EQ(list.pairs().size(), static_cast<std::size_t>(OptionList::kMaxRangePairs));
  EXPECT_EQ(OptionList::parse("0:1:10:1:0:1:0").textToValue("99999999999999999999"), -1);
  EXPECT_EQ(OptionList::parse("0:1:10:10:0:1:1").textToValue("1e300"), -1);
  EXPECT_EQ(OptionList::parse("0:1:10:10:0:1:2").textToValue("nan"), -1);
}

// Raw values and rule numbers at the ends of their types: the conversions
// used to overflow (the sanitizer build stops on that).
TEST(OptionList, ConversionsAtTheEndsOfTheirTypesStayInRange) {
  const RangeRule wide{-2147483647, 2147483647, 2147483647, 1, -2147483647, 2147483647, 0};
  const OptionList list = OptionList::parse("-2147483647:2147483647:2147483647:1:-2147483647:2147483647:0");
  ASSERT_TRUE(list.rangeRule().has_value());
  for (long raw : {LONG_MIN, -1L, 0L, 2147483647L, LONG_MAX}) {
    (void)list.valueToText(raw);
    EXPECT_GE(RangeEditNumberOfRaw(wide, raw), LONG_MIN);
    (void)ShowRangeEdit(wide, raw);
  }
  EXPECT_EQ(CommitRangeEdit(wide, "2147483647").raw, 2147483647);
  EXPECT_EQ(list.textToValue("2147483647"), 2147483647);
  EXPECT_EQ(LinearMap(LONG_MAX, LONG_MAX, LONG_MIN, LONG_MAX, 1), LONG_MAX);
  EXPECT_EQ(LinearMap(0, LONG_MIN, LONG_MAX, LONG_MAX, 1), LONG_MIN);
}

TEST(OptionList, NumbersIgnoreTheProcessLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
  const OptionList list = OptionList::parse("0:5:20:10:0:1:1");
  EXPECT_EQ(list.valueToText(3), "1.5");
  EXPECT_EQ(list.textToValue("1.5"), 3);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(RangeEdit, CommitRoundsDownAndClamps) {
  const RangeRule rule{10, 5, 60, 1, 0, 1, 0};  // 10, 15, ... 60 -> raw 0..10
  EXPECT_EQ(CommitRangeEdit(rule, "23").text, "20");
  EXPECT_EQ(CommitRangeEdit(rule, "23").raw, 2);
  EXPECT_EQ(CommitRangeEdit(rule, "99").text, "60");
  EXPECT_EQ(CommitRangeEdit(rule, "-7").text, "10");
  EXPECT_EQ(CommitRangeEdit(rule, "junk").raw, 0);
  EXPECT_EQ(vex::ShowRangeEdit(rule, 4), "30");
}

TEST(RangeEdit, ShownDecimalTextCommitsToTheSameRaw) {
  const RangeRule rule{5, 5, 100, 10, 0, 1, 1};  // 0.5 .. 10.0
  const std::string shown = vex::ShowRangeEdit(rule, 2);
  EXPECT_EQ(shown, "1.5");
  EXPECT_EQ(CommitRangeEdit(rule, shown).raw, 2);
  EXPECT_EQ(CommitRangeEdit(rule, shown).text, "1.5");
}

TEST(RangeEdit, WithOffMapsZeroToTheOffWord) {
  const RangeRule rule{5, 5, 60, 1, 1, 1, 0};  // 5..60 -> raw 1..12, raw 0 is off
  EXPECT_EQ(CommitRangeEditWithOff(rule, "", "Off").raw, 0);
  EXPECT_EQ(CommitRangeEditWithOff(rule, " Off ", "Off").text, "Off");
  EXPECT_EQ(CommitRangeEditWithOff(rule, "3", "Off").raw, 0);  // rounds down to 0
  EXPECT_EQ(CommitRangeEditWithOff(rule, "3", "Off").text, "Off");
  EXPECT_EQ(CommitRangeEditWithOff(rule, "12", "Off").raw, 2);
  EXPECT_EQ(CommitRangeEditWithOff(rule, "12", "Off").text, "10");
  EXPECT_EQ(ShowRangeEditWithOff(rule, 0, "Off"), "Off");
  EXPECT_EQ(ShowRangeEditWithOff(rule, 3, "Off"), "15");
}

TEST(RangeEdit, UnusableRuleDoesNotDivideByZero) {
  const RangeRule rule{0, 0, 10, 0, 0, 0, 0};
  EXPECT_EQ(CommitRangeEdit(rule, "5").text, "5");
  EXPECT_EQ(vex::ShowRangeEdit(rule, 3), "0");
  EXPECT_EQ(CommitRangeEditWithOff(rule, "5", "Off").raw, 0);
}

}  // namespace
