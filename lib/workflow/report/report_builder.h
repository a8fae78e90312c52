// The report's sections: each appends its title, an empty title and its
// content to the line list, with every value as its view shows it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "core/codeplug_header.h"
#include "core/report_sections.h"
#include "workflow/report/report_line.h"

namespace vex {

class AppSettings;
class LanguageTexts;
class RadioDataContainer;

// What a report is made from.
struct ReportSource {
  RadioDataContainer& data;
  const LanguageTexts& texts;
  ModelState model;       // the current model's name, range, signalling type and firmware version
  int languageIndex = 0;  // 0: the channel table's headings in English, else in Chinese
};

// The data with the settings' language, model and range.
ReportSource ReportSourceOf(RadioDataContainer& data, const AppSettings& settings);

// Appends the section of table entry `entry` (0 radio information ... 10 test
// frequencies); an entry beyond the table appends nothing.
void AppendReportSection(std::vector<ReportLine>& lines, std::size_t entry, const ReportSource& source);

// The sections whose entries are selected, in table order.
std::vector<ReportLine> BuildReport(const ReportSectionTable& table, const ReportSource& source);

// Short names of the table's entries, in table order, for the command line.
inline constexpr std::array<std::string_view, ReportSectionTable::kCount> kReportSectionNames{
    "radio",         "keys",       "alert-tones",     "misc", "atis", "ptt-id", "dos", "channels",
    "personalities", "scan-lists", "test-frequencies"};
// The entry of a short name; nothing for a name no entry has.
std::optional<std::size_t> ReportEntryNamed(std::string_view name);

// The entry that prints the view of template `templateId`: the one titled by
// that id, else the radio information.
std::size_t ReportEntryOfTemplate(const ReportSectionTable& table, int templateId);

}  // namespace vex
