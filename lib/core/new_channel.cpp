#include "core/new_channel.h"

#include <array>

#include "base/bcd.h"
#include "core/channel_encoding.h"
#include "core/record_items.h"
#include "core/schema/schema.h"
#include "core/tone_tables.h"

namespace vex {
namespace {

// The eight PMR446 channels, twice.
constexpr std::array<double, kDefaultChannelRows> kDefaultFrequencies{
    446.00625, 446.01875, 446.03125, 446.04375, 446.05625, 446.06875, 446.08125, 446.09375,
    446.00625, 446.01875, 446.03125, 446.04375, 446.05625, 446.06875, 446.08125, 446.09375};
constexpr std::size_t kFirstDefaultTone = 10;
constexpr std::uint16_t kCtcssType = 0x4000;
constexpr std::uint16_t kUninterpretedBit = 0x1000;

}  // namespace

void InitNewChannel(ChannelRecord& record, std::size_t n) {
  const std::size_t row = n % kDefaultChannelRows;
  ApplyDefaults(FieldArea::Channel, record.span());

  auto tenHz = static_cast<std::uint32_t>(kDefaultFrequencies[row] * 100000.0);
  const std::uint8_t step = StepCodeFor(tenHz);
  record.setRxFrequency(PackBcd(tenHz));
  record.setTxFrequency(PackBcd(tenHz));
  record.setStepCodes(step, step);

  const auto tone =
      static_cast<std::uint16_t>(kCtcssType | kUninterpretedBit | CtcssTenths(kCtcssTones[kFirstDefaultTone + row]));
  record.setRxTone(tone);
  record.setTxTone(tone);
  record.setAutoStartScan(n == kDefaultChannelRows - 1);
}

void InitNewChannel(ChannelItem& item, std::size_t n) { InitNewChannel(item.record(), n); }

}  // namespace vex
