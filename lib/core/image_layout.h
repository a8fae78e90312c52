// The layout of the radio's 8192-byte configuration memory: where each region
// lies and how the record areas are organised. Everything that addresses the
// image takes its numbers from here; the fields inside the regions are the
// schema's (core/schema/schema_table.h).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vex::layout {

inline constexpr std::size_t kImageSize = 8192;
inline constexpr std::uint8_t kErased = 0xFF;

// A contiguous byte range of the image; `first` and `length` in bytes.
struct Region {
  std::size_t first;
  std::size_t length;
  constexpr std::size_t last() const { return first + length - 1; }
  constexpr std::size_t end() const { return first + length; }
};

inline constexpr Region kIdentity{0, 16};  // never interpreted
inline constexpr Region kRadioInfo{16, 72};
inline constexpr Region kUnused88{88, 32};  // never interpreted
inline constexpr Region kKeys{120, 25};
inline constexpr Region kMiscFirst{145, 36};  // misc bytes 0..35
inline constexpr Region kFactory{181, 36};    // factory bytes 4..39
inline constexpr Region kMiscSecond{217, 5};  // misc bytes 36..40
inline constexpr Region kShared{222, 32};     // misc bytes 41..72, reached from the factory section
inline constexpr Region kPttId{254, 6};
inline constexpr Region kDos{260, 2};
inline constexpr Region kAtis{262, 7};
inline constexpr Region kAlertTones{269, 324};
inline constexpr Region kUnused593{593, 28};  // never interpreted
inline constexpr Region kPasswords{621, 24};
inline constexpr Region kChannels{645, 2376};
inline constexpr Region kPersonalities{3021, 1486};
inline constexpr Region kScanLists{4507, 448};
inline constexpr Region kTestFreq{4955, 205};
inline constexpr Region kEmbedded{5160, 144};
inline constexpr Region kUnused5304{5304, 363};  // never interpreted
inline constexpr Region kAdjust{5667, 532};
inline constexpr Region kUnused6199{6199, 1993};  // never interpreted

// Programming time stamp inside the radio information region.
inline constexpr Region kTimeStamp{32, 8};

// Areas of fixed-size records. A record is present while its marker byte is
// not 0xFF; decoding always takes the first record and stops at the first
// absent one or at `maxDecoded`.
struct RecordArea {
  std::size_t first;  // image offset of record 1
  std::size_t recordSize;
  std::size_t capacity;    // records that fit in the area
  std::size_t maxDecoded;  // records decoding reads at most
  std::size_t marker;      // marker byte within the record
  constexpr std::size_t offsetOf(std::size_t index) const { return first + index * recordSize; }
};

inline constexpr RecordArea kAlertToneArea{269, 18, 18, 18, 3};
inline constexpr RecordArea kChannelArea{645, 24, 99, 17, 19};
inline constexpr RecordArea kPersonalityArea{3021, 76, 19, 8, 12};
inline constexpr RecordArea kScanListArea{4507, 56, 8, 1, 4};

// PTT ID region fixed content written by every encode.
inline constexpr std::array<std::uint8_t, 6> kPttIdFixed{0x00, 0x01, 0x00, 0x00, 0x19, 0x05};
inline constexpr std::size_t kPttIdVariableByte = 3;  // container byte 3, bit 1 cleared, bit 0 set

// Write plan end addresses (exclusive) by user level.
inline constexpr std::size_t kWriteEndNormal = 5115;
inline constexpr std::size_t kWriteEndExtended = 5160;

}  // namespace vex::layout
