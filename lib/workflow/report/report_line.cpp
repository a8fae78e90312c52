#include "workflow/report/report_line.h"

#include <utility>

namespace vex {
namespace {

constexpr std::array<unsigned, kChannelTableColumns> kChannelWeights{36, 37, 30, 47, 62, 34, 47, 62, 34, 53, 23, 25};

}  // namespace

bool IsHeading(const ReportLine& line) {
  return line.kind == kLineTitle || line.kind == kLineTableHeading || line.kind == kLineEmphasised;
}

ReportLine TitleLine(std::string title) { return {kLineTitle, {"", std::move(title), ""}, {1, 1, 1}}; }

ReportLine BlankLine() { return FourColumnLine({}); }

ReportLine LabelValueLine(std::string label, std::string value, int kind) {
  return {kind, {std::move(label), std::move(value), ""}, {2, 1, 1}};
}

ReportLine FourColumnLine(std::array<std::string, 4> cells, int kind) {
  return {kind, {cells.begin(), cells.end()}, {3, 3, 3, 3}};
}

ReportLine ChannelTableLine(ChannelTableCells cells, int kind) {
  return {kind, {cells.begin(), cells.end()}, {kChannelWeights.begin(), kChannelWeights.end()}};
}

void AppendPairs(std::vector<ReportLine>& lines, const std::vector<LabelValue>& pairs, std::size_t groupSize) {
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (groupSize != 0 && i != 0 && i % groupSize == 0) lines.push_back(BlankLine());
    lines.push_back(LabelValueLine(pairs[i].label, pairs[i].value));
  }
  lines.push_back(BlankLine());
}

}  // namespace vex
