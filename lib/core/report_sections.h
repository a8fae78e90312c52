// The printable areas of the radio data, in report order.
#pragma once

#include <array>
#include <string>

#include "core/text_lookup.h"

namespace vex {

struct ReportSection {
  int titleId = 0;
  std::string title;
  bool selected = false;
};

class ReportSectionTable {
 public:
  static constexpr std::size_t kCount = 11;

  ReportSectionTable();
  // Looks up every title and clears every selection.
  void fill(const TextLookup& lookup);

  std::array<ReportSection, kCount>& entries() { return entries_; }
  const std::array<ReportSection, kCount>& entries() const { return entries_; }
  ReportSection& operator[](std::size_t i) { return entries_[i]; }
  const ReportSection& operator[](std::size_t i) const { return entries_[i]; }
  std::size_t size() const { return kCount; }

 private:
  std::array<ReportSection, kCount> entries_;
};

}  // namespace vex
