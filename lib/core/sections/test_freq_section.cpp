#include "core/sections/test_freq_section.h"

#include <algorithm>

#include "base/bcd.h"
#include "core/channel_encoding.h"
#include "core/schema/schema_table.h"

namespace vex {
namespace {

constexpr std::uint32_t kTenHzPerMHz = 100000;
constexpr std::uint32_t kDefaultOffset = 15000;  // 0.15 MHz

using G = TestFreqSection::Group;

struct GroupFields {
  SchemaArray frequencies;
  SchemaArray stepCodes;
};

constexpr GroupFields kGroups[] = {
    {{FieldArea::TestFreq, "test_1_rx"}, {FieldArea::TestFreq, "test_1_rx_step"}},
    {{FieldArea::TestFreq, "test_1_tx"}, {FieldArea::TestFreq, "test_1_tx_step"}},
    {{FieldArea::TestFreq, "five_point_1_rx"}, {FieldArea::TestFreq, "five_point_1_rx_step"}},
    {{FieldArea::TestFreq, "five_point_1_tx"}, {FieldArea::TestFreq, "five_point_1_tx_step"}},
};
static_assert(kGroups[0].frequencies.size() == TestFreqSection::kTestChannels);
static_assert(kGroups[2].frequencies.size() == TestFreqSection::kFivePoints);

const GroupFields& GroupOf(G group) { return kGroups[static_cast<std::size_t>(group)]; }

std::uint32_t TenHz(long megahertz) {
  return static_cast<std::uint32_t>(std::clamp(megahertz, 0L, 999L)) * kTenHzPerMHz;
}

}  // namespace

void TestFreqSection::setBand(int lowMHz, int highMHz) {
  lowMHz_ = lowMHz;
  highMHz_ = highMHz;
}

void TestFreqSection::reset() {
  SchemaSection::reset();
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

std::size_t TestFreqSection::countOf(Group group) { return GroupOf(group).frequencies.size(); }

std::uint32_t TestFreqSection::frequency(Group group, std::size_t index) const {
  if (index >= countOf(group)) return 0;
  return static_cast<std::uint32_t>(ReadField(GroupOf(group).frequencies[index], bytes()));
}

std::uint8_t TestFreqSection::stepCode(Group group, std::size_t index) const {
  if (index >= countOf(group)) return 0;
  return static_cast<std::uint8_t>(ReadField(GroupOf(group).stepCodes[index], bytes()));
}

void TestFreqSection::setFrequency(Group group, std::size_t index, std::uint32_t tenHz) {
  if (index >= countOf(group)) return;
  tenHz = std::min(tenHz, kBcdMaxDecimal);
  const std::uint8_t step = StepCodeFor(tenHz);
  WriteField(GroupOf(group).frequencies[index], bytes(), PackBcd(tenHz));
  WriteField(GroupOf(group).stepCodes[index], bytes(), step);
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
