#include "core/report_sections.h"

namespace vex {
namespace {

// Radio information, keys, alert tones, misc, ATIS, PTT ID, DOS, channels,
// personalities, scan list, test frequencies.
constexpr std::array<int, ReportSectionTable::kCount> kTitleIds{
    1109, 6601, 5002, 1400, 4590, 1655, 4660, 3655, 2310, 3801, 4000};

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
