#include "link/transfer_plan.h"
#include "link/protocol.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

std::size_t Covered(const std::vector<TransferBlock>& plan) {
  std::size_t bytes = 0;
  for (const auto& b : plan) bytes += b.length;
  return bytes;
}

TEST(TransferPlan, ReadCoversTheImageInBlocksOf32) {
  const auto plan = ReadPlan();
  ASSERT_EQ(plan.size(), 256u);
  EXPECT_EQ(plan[2].address, 64u);
  EXPECT_EQ(plan.back().address, 8160u);
  EXPECT_EQ(Covered(plan), 8192u);
  EXPECT_EQ(ReadPercent(1), 0);
  EXPECT_EQ(ReadPercent(2), 0);
  EXPECT_EQ(ReadPercent(256), 100);
}

TEST(TransferPlan, WriteDependsOnTheUserLevel) {
  const auto normal = WritePlan(false);
  ASSERT_EQ(normal.size(), 155u);
  EXPECT_EQ(normal[0].address, 120u);
  EXPECT_EQ(normal[1].address, 152u);
  EXPECT_EQ(normal[1].length, 29);
  EXPECT_EQ(normal[2].address, 217u);
  EXPECT_EQ(normal[2].length, 6);
  EXPECT_EQ(normal[3].address, 254u);
  EXPECT_EQ(normal.back().address, 5086u);
  EXPECT_EQ(normal.back().length, 29);
  const auto extended = WritePlan(true);
  ASSERT_EQ(extended.size(), 157u);
  EXPECT_EQ(extended.back().address, 5150u);
  EXPECT_EQ(extended.back().length, 10);
  EXPECT_EQ(WritePercent(1, 155), 0);
  EXPECT_EQ(WritePercent(154, 155), 100);
  EXPECT_EQ(WritePercent(155, 155), 100);
}

TEST(TransferPlan, TuneWritesTheAdjustmentValues) {
  const auto plan = TunePlan();
  ASSERT_EQ(plan.size(), 17u);
  EXPECT_EQ(plan.front().address, 5667u);
  EXPECT_EQ(plan.back().address, 6179u);
  EXPECT_EQ(plan.back().length, 20);
  EXPECT_EQ(Covered(plan), 532u);
}

TEST(Protocol, OldFirmwareComparesTheFirstSevenCharacters) {
  EXPECT_TRUE(protocol::IsOldFirmware("1.01.10"));
  EXPECT_TRUE(protocol::IsOldFirmware("1.01.09"));
  EXPECT_TRUE(protocol::IsOldFirmware("1.01.10xyz"));
  EXPECT_FALSE(protocol::IsOldFirmware("1.01.11"));
  EXPECT_FALSE(protocol::IsOldFirmware("1.03.11"));
}

}  // namespace
}  // namespace vex
