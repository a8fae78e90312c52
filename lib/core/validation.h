// The checks that find links to records which no longer exist. Findings go to
// the Invalid Log with the field's label, its location and its key.
#pragma once

#include <cstddef>

#include "core/item_list.h"
#include "core/record_items.h"
#include "core/text_lookup.h"

namespace vex {

class InvalidLog;

struct ValidationScope {
  const ItemList<ChannelItem>& channels;
  const ItemList<PersonalityItem>& personalities;
  const ItemList<ScanListItem>& scanLists;
  InvalidLog& log;
  const TextLookup& text;
};

// `number` is the item's 1-based position in its list.
void ValidateChannel(const ChannelItem& channel, std::size_t number, const ValidationScope& scope);
void ValidateScanList(const ScanListItem& scanList, std::size_t number, const ValidationScope& scope);

}  // namespace vex
