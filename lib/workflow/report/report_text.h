// A report as plain text: one text line per report line, the cells placed
// by their weights across a fixed number of columns.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "workflow/report/report_line.h"

namespace vex {

inline constexpr std::size_t kReportTextWidth = 120;

// Each cell starts at its share of `width` columns, or one column after the
// previous cell's text when that is longer than its share; trailing blanks
// are dropped. Wide (CJK) characters take two columns.
std::string ReportText(const std::vector<ReportLine>& lines, std::size_t width = kReportTextWidth);

// Terminal columns of a UTF-8 text: two for wide characters, one for the
// others and for every byte that is not valid UTF-8.
std::size_t DisplayWidth(std::string_view text);

}  // namespace vex
