// Byte layout of a codeplug file: the 3-byte magic, the 116-byte header and
// the three tagged blocks (comment, spare, image). All lengths in the file
// are little-endian.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vex::codeplug {

using Tag = std::array<std::uint8_t, 4>;

inline constexpr std::array<std::uint8_t, 3> kMagic{'V', 'E', 'X'};
inline constexpr Tag kHeaderTag{0x58, 0x48, 0x10, 0x10};
inline constexpr Tag kCommentTag{0x58, 0x4D, 0x10, 0x10};
inline constexpr Tag kSpareTag{0x58, 0x46, 0x10, 0x10};
inline constexpr Tag kImageTag{0x58, 0x45, 0x10, 0x10};

inline constexpr std::size_t kHeaderSize = 116;
inline constexpr std::size_t kBlockHeaderSize = 8;                               // tag + 32-bit length
inline constexpr std::size_t kHeaderOffset = 3;                                  // file offset of the header
inline constexpr std::size_t kCommentBlockOffset = kHeaderOffset + kHeaderSize;  // 119

// Offsets within the header.
inline constexpr std::size_t kHeaderLength = 4;  // 32-bit, always 116
inline constexpr std::size_t kModelId = 12;
inline constexpr std::size_t kModelName = 28;
inline constexpr std::size_t kRangeLow = 44;   // 16-bit, MHz
inline constexpr std::size_t kRangeHigh = 46;  // 16-bit, MHz
inline constexpr std::size_t kVersionA = 52;
inline constexpr std::size_t kVersionB = 68;
inline constexpr std::size_t kRangeFlags = 84;
inline constexpr std::size_t kSignalling = 85;
inline constexpr std::size_t kTextFieldSize = 16;

// Size of a file the writer produces, not counting the comment text.
inline constexpr std::size_t kFileSizeWithoutComment = kCommentBlockOffset + 3 * kBlockHeaderSize + 8192;  // 8335

}  // namespace vex::codeplug
