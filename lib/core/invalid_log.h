// Validation findings: one row per faulty field with its label, where it is,
// and the key (item key + 0x10000 + label id) that identifies it.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vex {

inline constexpr int kFindingKeyBase = 0x10000;

inline int FindingKey(int itemKey, int labelId) { return itemKey + kFindingKeyBase + labelId; }

struct InvalidLogRow {
  std::string label;
  std::string location;
  int key = 0;
};

class InvalidLog {
 public:
  // Adds a row unless its key is listed already or the filter refuses it.
  void add(std::string label, std::string location, int key);
  void remove(int key);
  void clear();

  const std::vector<InvalidLogRow>& rows() const { return rows_; }
  bool contains(int key) const;
  std::size_t size() const { return rows_.size(); }

  // Called after every change of the rows.
  void setListener(std::function<void()> listener) { listener_ = std::move(listener); }
  // Called by validation when it found something (shows the log).
  void setRevealHandler(std::function<void()> handler) { reveal_ = std::move(handler); }
  // Keys for which the filter returns false are never listed (fields the
  // current model disables).
  void setKeyFilter(std::function<bool(int key)> filter) { filter_ = std::move(filter); }
  void reveal() const;

 private:
  void changed() const;

  std::vector<InvalidLogRow> rows_;
  std::function<void()> listener_;
  std::function<void()> reveal_;
  std::function<bool(int)> filter_;
};

}  // namespace vex
