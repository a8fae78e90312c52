#include "core/default_data.h"

#include "core/channel_encoding.h"

#include <cstdio>

namespace vex {

namespace {

constexpr int kPmr446LowMHz = 446;
constexpr long kChannelSpacingTenHz = 2500;  // 25 kHz

}  // namespace

void MakeDefaultData(RadioDataContainer& container, int lowMHz, int highMHz) {
  container.clearRecords();
  container.resetToDefaults();
  if (lowMHz == kPmr446LowMHz || highMHz <= lowMHz) return;

  const long first = (static_cast<long>(lowMHz) + highMHz) / 2 * 100000L;
  const long last = static_cast<long>(highMHz) * 100000L;
  for (std::size_t i = 0; i < container.channels().size(); ++i) {
    long tenHz = first + static_cast<long>(i) * kChannelSpacingTenHz;
    if (tenHz > last) tenHz = last;
    char text[32];
    std::snprintf(text, sizeof text, "%ld.%05ld", tenHz / 100000L, tenHz % 100000L);
    const EncodedFrequency f = EncodeFrequency(text, FrequencyRounding::Nearest);
    ChannelRecord& record = container.channels()[i].record();
    record.setRxFrequency(f.value);
    record.setTxFrequency(f.value);
    record.setStepCodes(f.stepCode, f.stepCode);
  }
}

}  // namespace vex
