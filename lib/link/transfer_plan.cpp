#include "link/transfer_plan.h"

#include "core/image_layout.h"

namespace vex {

namespace {

void AppendRange(std::vector<TransferBlock>& plan, std::size_t first, std::size_t end, std::size_t size) {
  for (std::size_t a = first; a < end; a += size) {
    const std::size_t length = end - a < size ? end - a : size;
    plan.push_back({static_cast<std::uint32_t>(a), static_cast<std::uint16_t>(length)});
  }
}

}  // namespace

std::vector<TransferBlock> ReadPlan() {
  std::vector<TransferBlock> plan;
  AppendRange(plan, 0, layout::kImageSize, kReadBlockSize);
  return plan;
}

std::vector<TransferBlock> WritePlan(bool extendedLevel) {
  std::vector<TransferBlock> plan{{120, 32}, {152, 29}, {217, 6}};
  AppendRange(plan, layout::kPttId.first, extendedLevel ? layout::kWriteEndExtended : layout::kWriteEndNormal, 32);
  return plan;
}

std::vector<TransferBlock> TunePlan() {
  std::vector<TransferBlock> plan;
  AppendRange(plan, layout::kAdjust.first, layout::kAdjust.end(), 32);
  return plan;
}

int ReadPercent(std::size_t block) { return static_cast<int>(100 * (block - 1) / (kReadBlockCount - 1)); }

int WritePercent(std::size_t block, std::size_t total) {
  return total > 1 ? static_cast<int>(100 * block / (total - 1)) : 100;
}

}  // namespace vex
