#include "config/range_table.h"

#include "config/app_settings.h"

#include <algorithm>

namespace vex {

RangeTable& RangeTable::instance() {
  static RangeTable table;
  return table;
}

void RangeTable::fill(const ModelCatalogue& catalogue, int count) {
  entries_.clear();
  count = std::clamp(count, 1, ModelCatalogue::kMaxRanges);
  for (int i = 0; i < count; ++i) {
    const auto entry = catalogue.readEntry(i);
    if (!entry) {
      // Later entries stay unread: the table ends with the fallback.
      entries_.push_back(kFallbackRange);
      break;
    }
    entries_.push_back(*entry);
  }
}

void RangeTable::load(const ModelCatalogue& catalogue) { fill(catalogue, catalogue.number()); }

bool RangeTable::reloadIfListed(const ModelCatalogue& catalogue) {
  if (catalogue.number() <= 0) return false;
  fill(catalogue, catalogue.number());
  return true;
}

void RangeTable::loadForCurrentModel(const AppSettings& settings) {
  load(ModelCatalogue(settings.modelCatalogueReadPath(), settings.modelId()));
}

bool RangeTable::contains(int lower, int upper) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const RangeEntry& e) { return e.lower == lower && e.upper == upper; });
}

const RangeEntry* RangeTable::find(std::string_view rangeText) const {
  const RangeEdges edges = ParseRangeText(rangeText);
  for (const RangeEntry& e : entries_) {
    if (e.lower == edges.lower && e.upper == edges.upper) return &e;
  }
  return nullptr;
}

bool RangeTable::highFlag(std::string_view rangeText) const {
  const RangeEntry* e = find(rangeText);
  return e != nullptr && (e->flags & 0x80) != 0;
}

uint8_t RangeTable::lowFlags(std::string_view rangeText) const {
  const RangeEntry* e = find(rangeText);
  return e != nullptr ? static_cast<uint8_t>(e->flags & 0x7F) : 0;
}

uint8_t RangeTable::flags(std::string_view rangeText) const {
  const RangeEntry* e = find(rangeText);
  return e != nullptr ? e->flags : 0;
}

bool RangeTable::isPmr446(std::string_view rangeText) { return ParseRangeText(rangeText).lower == 446; }

}  // namespace vex
