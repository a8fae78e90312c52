// The block plans of whole-image transfers and their progress arithmetic.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vex {

struct TransferBlock {
  std::uint32_t address;
  std::uint16_t length;
};

inline constexpr std::size_t kReadBlockSize = 32;
inline constexpr std::size_t kReadBlockCount = 256;

// 256 blocks of 32 bytes covering the image.
std::vector<TransferBlock> ReadPlan();
// 120+32, 152+29, 217+6, then 32-byte blocks from 254 up to the end
// address of the user level with a short last block (155 or 157 blocks).
std::vector<TransferBlock> WritePlan(bool extendedLevel);
// The 17 blocks of adjustment values from 5667: 16 of 32 bytes and one of 20.
std::vector<TransferBlock> TunePlan();

// Percent after block k (1-based) of a read: 100·(k−1)/255.
int ReadPercent(std::size_t block);
// Percent after block k (1-based) of a write of `total` blocks: 100·k/(total−1).
int WritePercent(std::size_t block, std::size_t total);

}  // namespace vex
