// Turns the position numbers stored in records into links (item keys) to the
// items they name; a number outside its list gives no link (0).
#pragma once

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

}  // namespace vex
