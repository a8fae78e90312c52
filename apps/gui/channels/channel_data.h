#pragma once
// What the channel views read besides a channel's record: the band of the
// current frequency range, whether frequencies are chosen from the PMR446
// list, the context of the row texts, and the channel items themselves.
#include "core/channel_values.h"
#include "workflow/channel_row.h"

namespace vex {
class ChannelItem;
class RadioDataContainer;
}  // namespace vex

namespace vex::gui::channel_data {

RadioDataContainer& container();
BandLimits band();
// Frequencies are chosen from the PMR446 list instead of typed.
bool pmr446Mode();
ChannelRowContext rowContext();
// The channel with `key`, or null.
ChannelItem* channel(int key);

}  // namespace vex::gui::channel_data
