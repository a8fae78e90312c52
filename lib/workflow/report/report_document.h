// A report ready to be laid out: its lines and what every page shows around
// them (the page header, the radio block, the footer), with the geometry of
// its pages in tenths of a millimetre.
#pragma once

#include <array>
#include <cstddef>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "workflow/report/report_builder.h"
#include "workflow/report/report_line.h"

namespace vex {

struct ReportMargins {
  int side;        // left and right
  int top;         // top, and the same at the bottom
  int lineHeight;  // one report line
};
inline constexpr ReportMargins kFullReportMargins{30, 150, 50};
inline constexpr ReportMargins kSingleViewMargins{50, 150, 50};

// The lines of a page besides the report's own: the header, the two lines of
// the radio block, a gap and the footer.
inline constexpr int kPageFrameLines = 5;

struct ReportDocument {
  std::vector<ReportLine> lines;
  std::string source;                      // the file printed, or the program's name
  std::string title;                       // a single view's name; empty for a full report
  std::array<std::string, 4> radioTop;     // model name and frequency range, each after its label
  std::array<std::string, 4> radioBottom;  // firmware version after its label
  ReportMargins margins = kFullReportMargins;
};

// The selected sections of the table. `filePath` is the open file, empty when
// none is open.
ReportDocument FullReport(const ReportSectionTable& table, const ReportSource& source, const std::string& filePath);
// The section of the view with template `templateId` (radio information for a
// view no section prints), titled with the view's name.
ReportDocument SingleViewReport(int templateId, const ReportSource& source, const std::string& filePath);

// Report lines per page of `pageHeight`: what the margins leave in whole
// lines, less the page's own lines; at least 1.
int LinesPerPage(int pageHeight, const ReportMargins& margins);
// The space left below the whole lines, split to centre them.
int PageBlockOffset(int pageHeight, const ReportMargins& margins);
// The report's lines split into pages of at most `linesPerPage` lines. A
// page that would end with titles or headings ends before them instead, so
// that they print above the line they head (unless they fill the page).
class ReportPages {
 public:
  ReportPages(const std::vector<ReportLine>& lines, int linesPerPage);

  // 0 for an empty report.
  int count() const { return static_cast<int>(starts_.size()); }
  // The report lines of 1-based page `page`: [first, end); empty past the last.
  std::pair<std::size_t, std::size_t> lineRange(int page) const;

 private:
  std::vector<std::size_t> starts_;  // each page's first line
  std::size_t lines_;
};

// "Page 1 of 2".
std::string PageFooterText(int page, int pages);
// The printing time as the program shows times everywhere: "%Y-%m-%d %H:%M:%S".
std::string PrintTimeText(const std::tm& time);

}  // namespace vex
