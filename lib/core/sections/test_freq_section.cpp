#include "core/sections/test_freq_section.h"

#include <algorithm>

#include "base/bcd.h"
#include "base/byte_order.h"
#include "core/channel_encoding.h"

namespace vex {
namespace {

constexpr std::uint32_t kTenHzPerMHz = 100000;
constexpr std::uint32_t kDefaultOffset = 15000;  // 0.15 MHz
constexpr std::size_t kFivePointSteps = 200;     // low nibble receive, high nibble transmit

std::uint32_t TenHz(long megahertz) {
  return static_cast<std::uint32_t>(std::clamp(megahertz, 0L, 999L)) * kTenHzPerMHz;
}

}  // namespace

void TestFreqSection::setBand(int lowMHz, int highMHz) {
  lowMHz_ = lowMHz;
  highMHz_ = highMHz;
}

void TestFreqSection::reset() {
  buffer_.fill(0);
  const long l = lowMHz_;
  const long h = highMHz_;
  const long m = (l + h) / 2;
  const long f = (l + m) / 2;
  const long g = (l + f) / 2;
  const long q = (m + f) / 2;
  const long u = (h + m) / 2;
  const long w = (m + u) / 2;
  const long z = (h + u) / 2;
  // Receive is the transmit frequency raised (+1) or lowered (-1) by 0.15 MHz.
  struct Row {
    long mhz;
    int sign;
  };
  const Row test[] = {{l, 1}, {g, 1}, {f, -1}, {q, -1}, {m, 1}, {w, 1}, {u, -1}, {z, -1}, {h, -1}};
  const Row five[] = {{l, 1}, {f, 1}, {m, 1}, {u, 1}, {h, -1}};
  auto put = [this](Group rx, Group tx, std::size_t i, const Row& row) {
    const std::uint32_t base = TenHz(row.mhz);
    setFrequency(rx, i, row.sign > 0 ? base + kDefaultOffset : base - std::min(base, kDefaultOffset));
    setFrequency(tx, i, base);
  };
  for (std::size_t i = 0; i < kTestChannels; ++i) {
    if (i < std::size(test)) {
      put(Group::TestRx, Group::TestTx, i, test[i]);
    } else {
      setFrequency(Group::TestRx, i, 0);
      setFrequency(Group::TestTx, i, 0);
    }
  }
  for (std::size_t i = 0; i < kFivePoints; ++i) {
    put(Group::FivePointRx, Group::FivePointTx, i, five[i]);
  }
}

std::size_t TestFreqSection::countOf(Group group) {
  return (group == Group::TestRx || group == Group::TestTx) ? kTestChannels : kFivePoints;
}

std::size_t TestFreqSection::offsetOf(Group group, std::size_t index) {
  switch (group) {
    case Group::TestRx: return index * layout::kTestFreqEntrySize;
    case Group::TestTx: return index * layout::kTestFreqEntrySize + 4;
    case Group::FivePointRx: return layout::kFivePointValues + 4 * index;
    case Group::FivePointTx: return layout::kFivePointValues + 4 * (kFivePoints + index);
  }
  return 0;
}

std::uint32_t TestFreqSection::frequency(Group group, std::size_t index) const {
  if (index >= countOf(group)) return 0;
  return ReadLe32(bytes(), offsetOf(group, index));
}

std::uint8_t TestFreqSection::stepCode(Group group, std::size_t index) const {
  if (index >= countOf(group)) return 0;
  switch (group) {
    case Group::TestRx: return buffer_[index * layout::kTestFreqEntrySize + 8];
    case Group::TestTx: return buffer_[index * layout::kTestFreqEntrySize + 9];
    case Group::FivePointRx: return buffer_[kFivePointSteps + index] & 0x0F;
    case Group::FivePointTx: return buffer_[kFivePointSteps + index] >> 4;
  }
  return 0;
}

void TestFreqSection::setFrequency(Group group, std::size_t index, std::uint32_t tenHz) {
  if (index >= countOf(group)) return;
  tenHz = std::min(tenHz, kBcdMaxDecimal);
  const std::uint8_t step = StepCodeFor(tenHz);
  WriteLe32(bytes(), offsetOf(group, index), PackBcd(tenHz));
  switch (group) {
    case Group::TestRx: buffer_[index * layout::kTestFreqEntrySize + 8] = step; break;
    case Group::TestTx: buffer_[index * layout::kTestFreqEntrySize + 9] = step; break;
    case Group::FivePointRx:
      buffer_[kFivePointSteps + index] = static_cast<std::uint8_t>((buffer_[kFivePointSteps + index] & 0xF0) | step);
      break;
    case Group::FivePointTx:
      buffer_[kFivePointSteps + index] =
          static_cast<std::uint8_t>((buffer_[kFivePointSteps + index] & 0x0F) | (step << 4));
      break;
  }
}

std::string TestFreqSection::text(Group group, std::size_t index) const {
  const std::uint32_t value = frequency(group, index);
  return value == 0 ? std::string() : DecodeFrequency(value);
}

void TestFreqSection::setText(Group group, std::size_t index, std::string_view text) {
  const EncodedFrequency encoded = EncodeFrequency(text, FrequencyRounding::Nearest);
  setFrequency(group, index, encoded.value == kNoFrequency ? 0 : UnpackBcd(encoded.value));
}

}  // namespace vex
