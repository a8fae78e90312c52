#include "core/report_sections.h"

#include "base/text_ids.h"

namespace vex {
namespace {

constexpr std::array<int, ReportSectionTable::kCount> kTitleIds{
    text::kCaptionRadioInfo,   text::kCaptionKeys,  text::kCaptionAlertTone, text::kCaptionMisc,
    text::kCaptionAtis,        text::kCaptionPttId, text::kCaptionDos,       text::kCaptionChannel,
    text::kCaptionPersonality, text::kCaptionScan,  text::kCaptionTestFreq};

}  // namespace

ReportSectionTable::ReportSectionTable() {
  for (std::size_t i = 0; i < kCount; ++i) {
    entries_[i].titleId = kTitleIds[i];
  }
}

void ReportSectionTable::fill(const TextLookup& lookup) {
  for (ReportSection& entry : entries_) {
    entry.title = LookUp(lookup, entry.titleId);
    entry.selected = false;
  }
}

}  // namespace vex
