// What choosing a channel's personality or scan list does: the record holds
// the number, the channel's link follows it, and the Invalid Log entry that
// the choice answers is withdrawn. Both channel views choose through here.
#pragma once

#include <cstddef>

namespace vex {

class ChannelItem;
class InvalidLog;
class RadioDataContainer;

// `position` is 0-based in the personality list; false (and nothing changed)
// when there is no such personality.
bool ChoosePersonality(ChannelItem& channel, std::size_t position, const RadioDataContainer& data, InvalidLog* log);
// `number` is 1-based in the scan-list list, 0 for none; false (and nothing
// changed) when there is no such scan list.
bool ChooseScanList(ChannelItem& channel, std::size_t number, const RadioDataContainer& data, InvalidLog* log);

}  // namespace vex
