#pragma once

#include "config/model_catalogue.h"
#include "base/range_entry.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace vex {

class AppSettings;

// The frequency ranges of the current model, loaded from the catalogue.
class RangeTable {
 public:
  // The table of the running program.
  static RangeTable& instance();

  RangeTable() = default;

  // Loads max(Number, 1) entries; the first entry that cannot be read is
  // replaced by the fallback 136-174 MHz / 0x80 and ends the table.
  void load(const ModelCatalogue& catalogue);

  // As load, but with the count Number as read: when it is 0 the table
  // stays as it was (result false).
  bool reloadIfListed(const ModelCatalogue& catalogue);

  // Loads the ranges of the settings' current model ID.
  void loadForCurrentModel(const AppSettings& settings);

  const std::vector<RangeEntry>& entries() const { return entries_; }
  std::size_t size() const { return entries_.size(); }

  // Whether an entry has exactly these edges.
  bool contains(int lower, int upper) const;

  // Queries about the current range text ("lower-upper"): they use the
  // first entry with exactly those edges and give 0 when none has them.
  bool highFlag(std::string_view rangeText) const;     // flags bit 7
  uint8_t lowFlags(std::string_view rangeText) const;  // flags bits 0..6
  uint8_t flags(std::string_view rangeText) const;     // the whole byte

  // Whether the range text's lower edge is the PMR446 band's (446 MHz).
  static bool isPmr446(std::string_view rangeText);

 private:
  void fill(const ModelCatalogue& catalogue, int count);
  const RangeEntry* find(std::string_view rangeText) const;

  std::vector<RangeEntry> entries_{kFallbackRange};
};

}  // namespace vex
