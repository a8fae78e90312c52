// The record moves of the navigation bar, applied to any of the four record
// lists: first, previous, next, last, add, delete and go to. Views keep their
// current record as an item key (0: none), so it survives other records
// coming and going.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "core/record_keys.h"

namespace vex {

class InvalidLog;
class RadioDataContainer;

// The numbers are those the navigation bar sends.
enum class RecordMove { First = 0, Previous = 1, Next = 2, Last = 3, Add = 4, Delete = 5, GoTo = 6 };

// One of the container's record lists, whatever its item type.
class RecordListAccess {
 public:
  RecordListAccess(RadioDataContainer& data, RecordKind kind) : data_(data), kind_(kind) {}

  RecordKind kind() const { return kind_; }
  std::size_t size() const;
  // The most records the list may hold.
  std::size_t most() const;
  int keyAt(std::size_t index) const;  // 0 when there is no such record
  std::optional<std::size_t> indexOfKey(int key) const;
  std::span<std::uint8_t> bytesAt(std::size_t index) const;

  // Appends a record with the defaults of its kind and its links resolved;
  // its key, or 0 when the list is full.
  int appendNew();
  // Removes and destroys a record; its findings leave `log` when one is
  // given, and stored numbers of the records behind it follow their move.
  void removeAt(std::size_t index, InvalidLog* log);

 private:
  RadioDataContainer& data_;
  RecordKind kind_;
};

// What Delete does when only one record is left.
enum class LastRecordDelete {
  KeepCurrent,     // nothing happens; the record stays current
  LeaveNoCurrent,  // nothing is removed and no record is current
};

struct MoveRules {
  std::size_t addLimit;  // Add does nothing once the list holds this many
  LastRecordDelete lastRecord;
};

// Applies `move` to the list and returns the new current key (0: none).
// `current` is the key shown before the move; `number` the 1-based record of
// GoTo. A deleted record's findings leave `log` when one is given.
int ApplyRecordMove(RecordListAccess& list, int current, RecordMove move, int number, const MoveRules& rules,
                    InvalidLog* log);

}  // namespace vex
