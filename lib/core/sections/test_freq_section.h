#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// Sixteen test channels and five tuning (five-point) frequencies, each a
// receive and a transmit frequency code (BCD, 0 = none) with its step code.
class TestFreqSection : public SchemaSection<FieldArea::TestFreq, layout::kTestFreq.length> {
 public:
  enum class Group { TestRx, TestTx, FivePointRx, FivePointTx };
  static constexpr std::size_t kTestChannels = 16;
  static constexpr std::size_t kFivePoints = 5;

  TestFreqSection() { reset(); }

  // The band (whole MHz) the defaults are computed from; 136..174 until set.
  void setBand(int lowMHz, int highMHz);
  // Test channels 0..8 and the five-point frequencies spread over the band,
  // test channels 9..15 empty.
  void reset();

  std::uint32_t frequency(Group group, std::size_t index) const;
  std::uint8_t stepCode(Group group, std::size_t index) const;
  // Stores `tenHz` (10 Hz units) with its step code; off-raster values move
  // down to the 12.5 kHz raster. Indexes out of range are ignored.
  void setFrequency(Group group, std::size_t index, std::uint32_t tenHz);

  // MHz text of a frequency, empty for none.
  std::string text(Group group, std::size_t index) const;
  // Stores a MHz text; an empty or zero text stores none.
  void setText(Group group, std::size_t index, std::string_view text);

 private:
  static std::size_t countOf(Group group);

  int lowMHz_ = 136;
  int highMHz_ = 174;
};

}  // namespace vex
