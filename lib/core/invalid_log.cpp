#include "core/invalid_log.h"

#include <algorithm>

namespace vex {

void InvalidLog::add(std::string label, std::string location, int key) {
  if (contains(key) || (filter_ && !filter_(key))) {
    return;
  }
  rows_.push_back({std::move(label), std::move(location), key});
  changed();
}

void InvalidLog::remove(int key) {
  const auto first =
      std::remove_if(rows_.begin(), rows_.end(), [key](const InvalidLogRow& row) { return row.key == key; });
  if (first == rows_.end()) {
    return;
  }
  rows_.erase(first, rows_.end());
  changed();
}

void InvalidLog::clear() {
  rows_.clear();
  changed();
}

bool InvalidLog::contains(int key) const {
  return std::any_of(rows_.begin(), rows_.end(), [key](const InvalidLogRow& row) { return row.key == key; });
}

void InvalidLog::reveal() const {
  if (reveal_) {
    reveal_();
  }
}

void InvalidLog::changed() const {
  if (listener_) {
    listener_();
  }
}

}  // namespace vex
