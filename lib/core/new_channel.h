// The values a newly created channel receives.
#pragma once

#include <cstddef>

#include "core/records.h"

namespace vex {

class ChannelItem;

inline constexpr std::size_t kDefaultChannelRows = 16;

// Fills the record with the defaults of the channel at 0-based position `n`:
// one of the eight PMR446 frequencies both ways, a standard CTCSS tone both
// ways, personality 1, scan list 1, Auto Start Scan on the sixteenth channel.
// Positions past the sixteen default rows start over at row 0.
void InitNewChannel(ChannelRecord& record, std::size_t n);
void InitNewChannel(ChannelItem& item, std::size_t n);

}  // namespace vex
