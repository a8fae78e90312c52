#include "core/invalid_log.h"

#include <algorithm>

namespace vex {

void InvalidLog::add(std::string label, std::string location, const Finding& finding) {
  if (contains(finding.itemKey, finding.field) || (filter_ && !filter_(finding))) {
    return;
  }
  rows_.push_back({std::move(label), std::move(location), finding});
  changed();
}

void InvalidLog::remove(int itemKey, const FieldDef* field) {
  removeWhere([&](const InvalidLogRow& row) { return row.finding.itemKey == itemKey && row.finding.field == field; });
}

void InvalidLog::removeItem(int itemKey) {
  removeWhere([&](const InvalidLogRow& row) { return row.finding.itemKey == itemKey; });
}

void InvalidLog::removeWhere(const std::function<bool(const InvalidLogRow&)>& match) {
  const auto first = std::remove_if(rows_.begin(), rows_.end(), match);
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

bool InvalidLog::contains(int itemKey, const FieldDef* field) const {
  return std::any_of(rows_.begin(), rows_.end(), [&](const InvalidLogRow& row) {
    return row.finding.itemKey == itemKey && row.finding.field == field;
  });
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
