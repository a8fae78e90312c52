// The lines a printed report is made of. Each line is a row of cells that
// share the line's width by their weights; its kind picks the font.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace vex {

enum ReportLineKind : int {
  kLineTitle = 1,         // a section's title
  kLineNormal = 2,        // label/value and table rows
  kLineTableHeading = 3,  // a heading row of the channel table: all of them print at one size
  kLineEmphasised = 4,    // a record's heading, a small table's column titles
};

struct ReportLine {
  int kind = kLineNormal;
  std::vector<std::string> cells;
  std::vector<unsigned> weights;  // one per cell; a cell's width is its share of their sum

  bool operator==(const ReportLine&) const = default;
};

// Titles and headings belong to the line after them: a page never ends with one.
bool IsHeading(const ReportLine& line);

inline constexpr std::size_t kChannelTableColumns = 12;
using ChannelTableCells = std::array<std::string, kChannelTableColumns>;

// Empty text, the title, empty text (weights 1, 1, 1).
ReportLine TitleLine(std::string title);
// Four empty cells.
ReportLine BlankLine();
// Label, value and an empty cell (weights 2, 1, 1).
ReportLine LabelValueLine(std::string label, std::string value, int kind = kLineNormal);
// Four cells of equal width.
ReportLine FourColumnLine(std::array<std::string, 4> cells, int kind = kLineNormal);
// A row of the channel table.
ReportLine ChannelTableLine(ChannelTableCells cells, int kind = kLineNormal);

struct LabelValue {
  std::string label;
  std::string value;
};

// Appends the pairs as label/value lines. With a group size, the pairs go in
// groups of that many, every group but the first after a blank line. One
// blank line ends the pairs.
void AppendPairs(std::vector<ReportLine>& lines, const std::vector<LabelValue>& pairs, std::size_t groupSize = 0);

}  // namespace vex
