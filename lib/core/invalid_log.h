// Validation findings: one row per faulty field with its label, where it is,
// and which record and field it concerns. The log knows records and fields
// only; a user interface maps a finding to its own controls and keys.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/record_keys.h"

namespace vex {

struct FieldDef;

struct Finding {
  RecordKind list = RecordKind::Channel;
  std::size_t number = 0;  // 1-based position of the record in its list
  int itemKey = 0;         // the record item's key
  const FieldDef* field = nullptr;

  // One finding per field of a record: the position may change, the record stays.
  bool sameEntry(const Finding& other) const { return itemKey == other.itemKey && field == other.field; }
};

struct InvalidLogRow {
  std::string label;
  std::string location;
  Finding finding;
};

class InvalidLog {
 public:
  // Adds a row unless the same record's field is listed already or the
  // filter refuses it.
  void add(std::string label, std::string location, const Finding& finding);
  void remove(int itemKey, const FieldDef* field);
  // Removes every row of one record item.
  void removeItem(int itemKey);
  void clear();

  const std::vector<InvalidLogRow>& rows() const { return rows_; }
  bool contains(int itemKey, const FieldDef* field) const;
  std::size_t size() const { return rows_.size(); }

  // Called after every change of the rows.
  void setListener(std::function<void()> listener) { listener_ = std::move(listener); }
  // Called by validation when it found something (shows the log).
  void setRevealHandler(std::function<void()> handler) { reveal_ = std::move(handler); }
  // Findings for which the filter returns false are never listed (fields the
  // current model disables).
  void setFilter(std::function<bool(const Finding&)> filter) { filter_ = std::move(filter); }
  void reveal() const;

 private:
  void removeWhere(const std::function<bool(const InvalidLogRow&)>& match);
  void changed() const;

  std::vector<InvalidLogRow> rows_;
  std::function<void()> listener_;
  std::function<void()> reveal_;
  std::function<bool(const Finding&)> filter_;
};

}  // namespace vex
