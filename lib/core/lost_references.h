// References to records that a shorter list no longer holds, handled as the
// views handle a deleted record: a scan list's member slot becomes empty, its
// designated and priority channels move to channel 1, a channel's
// personality moves to the first and its scan list to none.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/schema/field_types.h"

namespace vex {

class RadioDataContainer;
struct FieldDef;

struct ListSizes {
  std::size_t channels = 0;
  std::size_t personalities = 0;
  std::size_t scanLists = 0;
};

ListSizes ListSizesOf(const RadioDataContainer& data);

// One reference that was changed.
struct ReferenceChange {
  FieldArea area = FieldArea::Channel;  // the record that holds it
  std::size_t record = 0;               // 0-based
  const FieldDef* field = nullptr;
  long was = 0;  // the stored values
  long now = 0;
};

// Changes every stored reference that named a record the lists held at
// `before` and hold no longer. Stored numbers only: resolve the links after.
std::vector<ReferenceChange> DropLostReferences(RadioDataContainer& data, const ListSizes& before);

// "channel 11 no longer exists; the slot is now empty".
std::string LostReferenceText(const ReferenceChange& change);

// "scan list 1 member_3: channel 11 no longer exists; the slot is now empty".
std::string ReferenceChangeText(const ReferenceChange& change);

}  // namespace vex
