// Turns the position numbers stored in records into links (item keys) to the
// items they name; a number outside its list gives no link (0).
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/item_list.h"
#include "core/record_items.h"

namespace vex {

class RadioDataContainer;

// Personality from the 0-based position at record byte 18, scan list from the
// 1-based number at byte 19 (0 = none).
void ResolveReferences(ChannelItem& channel, const ItemList<PersonalityItem>& personalities,
                       const ItemList<ScanListItem>& scanLists);

// Designated, priority and further channel and the sixteen members, each a
// 1-based channel number.
void ResolveReferences(ScanListItem& scanList, const ItemList<ChannelItem>& channels);

// The same against the container's lists (an item added by a view).
void ResolveReferences(ChannelItem& channel, const RadioDataContainer& container);
void ResolveReferences(ScanListItem& scanList, const RadioDataContainer& container);

// After a record left its list: every stored number whose link still names
// an item becomes that item's new position, so channels keep their
// personality and scan list, and scan lists keep their channels. Numbers
// whose item is gone stay as they are for validation to report.
void RenumberReferences(RadioDataContainer& container);

// Before the channel with `channelKey` leaves its list: every scan list
// drops it from its member slots (the members behind it move up and the
// entry count shrinks), and its designated, priority and further channel
// move to the channel with `replacementKey`, so no scan list is left naming
// a channel that is gone.
void ForgetChannel(RadioDataContainer& container, int channelKey, int replacementKey);

// The stored number of a scan list channel reference that names no channel.
inline constexpr std::uint16_t kNoChannel = 0xFF;

// The link of the scan list's channel reference whose number lies at record
// `offset` (priority 9, further 11, designated 14, member slots 24..54);
// 0 for any other offset.
int ScanChannelLink(const ScanListItem& scanList, std::size_t offset);
// Points that reference at the channel with `channelKey`: the link, and its
// 1-based position as the stored number. Key 0 (no channel chosen) stores
// kNoChannel and keeps the link; a key no longer in `channels` becomes the
// link and leaves the number as it was.
void SetScanChannel(ScanListItem& scanList, std::size_t offset, int channelKey, const ItemList<ChannelItem>& channels);

}  // namespace vex
